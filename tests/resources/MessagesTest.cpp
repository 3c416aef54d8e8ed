// The message catalog: the captions of both kinds, texts with and without values, the encoding of the texts and the
// one call that shows a row.
#include "resources/Messages.h"

#include "platform/HeadlessPrompts.h"
#include "platform/Prompts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

using messages::Message;

// Joined when the program is compiled, without the parts' ends.
static_assert(messages::Join("ab", "", "c").size() == 4);
static_assert(std::string_view(messages::Join("ab", "", "c").data()) == std::string_view("abc"));

constexpr Message kPercentRow{"9.001", messages::kColon, messages::kWarning, "100 % sicuro"};
constexpr Message kFormatRow{"9.002", messages::kNoColon, messages::kQuestion, "Il file \"%s\" (%d)"};

TEST(MessagesTest, TheCaptionNamesTheNumberWithOrWithoutTheColon)
{
    EXPECT_EQ(messages::CaptionOf(messages::kCannotEvaluate), "morv9274 - Message: 1.009");
    EXPECT_EQ(messages::CaptionOf(messages::kServerNotStarted), "morv9274 - Message 1.001");
    EXPECT_EQ(messages::CaptionOf(messages::kFunctionSaveFailed), "morv9274 - Message 2.010");
    EXPECT_EQ(messages::CaptionOf(kFormatRow), "morv9274 - Message 9.002");
}

TEST(MessagesTest, ValuesGoIntoTheTextAndATextWithoutValuesStandsAsItIs)
{
    EXPECT_EQ(messages::Text(kFormatRow, "a%sb", 7), "Il file \"a%sb\" (7)");
    EXPECT_EQ(messages::Text(kPercentRow), "100 % sicuro");
    // A row without a value in its text takes the caller's value without a trace.
    EXPECT_EQ(messages::Text(messages::kIncompatibleFunctionCount, 4),
              messages::Text(messages::kIncompatibleFunctionCount));
    EXPECT_NE(messages::Text(messages::kIncompatibleFunction, 4).Find(" 4 "), -1);
}

// Texts are Windows-1252: each accented letter and typographic apostrophe is one byte, never a UTF-8 sequence.
TEST(MessagesTest, TextsAreWindows1252)
{
    for (const Message* row : {&messages::kCannotEvaluate, &messages::kAlreadyRunning, &messages::kOpenOlderFormat,
                               &messages::kExportFailed, &messages::kIncompatibleNetAnalog}) {
        const std::string text = row->text;
        SCOPED_TRACE(row->number);
        for (size_t i = 0; i + 1 < text.size(); ++i) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const auto next = static_cast<unsigned char>(text[i + 1]);
            EXPECT_FALSE(lead >= 0xC2 && lead <= 0xE2 && next >= 0x80 && next <= 0xBF) << "UTF-8 at " << i;
        }
    }
    EXPECT_NE(std::string(messages::kCannotEvaluate.text).find("\xE8"), std::string::npos);  // "è"
    EXPECT_NE(std::string(messages::kAlreadyRunning.text).find("\x92"), std::string::npos);  // "’"
}

// Two messages of one text differ in the caption only; each place of one message has the same text.
TEST(MessagesTest, SharedTextsAreOneText)
{
    EXPECT_EQ(messages::kCommandFileUnreadable.text, messages::kInvalidCommand.text);
    EXPECT_NE(messages::CaptionOf(messages::kCommandFileUnreadable), messages::CaptionOf(messages::kInvalidCommand));
    EXPECT_EQ(messages::kSaveBesideDrawingFailed.text, messages::kFormSaveFailed.text);
    EXPECT_NE(messages::kSaveBesideDrawingFailed.flags, messages::kFormSaveFailed.flags);
    // A sentence joined into a text stands at its start, whole.
    EXPECT_EQ(std::string(messages::kOpenNotLoaded.text).rfind(messages::kWorkCopyNotPrepared.text, 0), 0u);
}

TEST(MessagesTest, ShowGivesTheBoxItsCaptionFlagsAndTextOverItsOwner)
{
    platform::HeadlessPrompts::Instance().Clear();
    const size_t before = platform::ShownMessageBoxes().size();
    const HWND owner = reinterpret_cast<HWND>(0x1234);
    const int answer = messages::Show(owner, kFormatRow, "x.dat", 2);
    ASSERT_EQ(platform::ShownMessageBoxes().size(), before + 1);
    const platform::MessageBoxRequest& box = platform::ShownMessageBoxes().back();
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.caption, "morv9274 - Message 9.002");
    EXPECT_EQ(box.flags, static_cast<UINT>(MB_YESNO | MB_TASKMODAL | MB_ICONWARNING));
    EXPECT_EQ(box.text, "Il file \"x.dat\" (2)");
    EXPECT_EQ(answer, platform::HeadlessPrompts::DefaultAnswer(box.flags));

    messages::ShowText(nullptr, messages::kExportSourceMemory, "testo");
    EXPECT_EQ(platform::ShownMessageBoxes().back().text, "testo");
    EXPECT_EQ(platform::ShownMessageBoxes().back().caption, "morv9274 - Message: 1.044");
}

}  // namespace
