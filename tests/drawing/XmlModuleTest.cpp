// The XML import as the program carries it, a module beside the program: without the module a parse fails as a
// parser library that cannot be initialised does, with its box, whether or not it was prepared.
#include "drawing/ParseXml.h"
#include "platform/HeadlessPrompts.h"

#include <gtest/gtest.h>

TEST(XmlModuleTest, WithoutItsModuleAParseFailsAsAnUninitialisedParser)
{
    auto& prompts = platform::HeadlessPrompts::Instance();
    prompts.Clear();
    drawing::PrepareParser();
    EXPECT_EQ(drawing::ParseXml("VORNA.xml"), drawing::kParseInitFehler);
    EXPECT_EQ(drawing::ParseXml("VORNA.xml"), drawing::kParseInitFehler);
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    const auto& box = prompts.MessageBoxes().front();
    EXPECT_EQ(box.caption.str(), "XML-Parsing Error");
    EXPECT_EQ(box.text.str().rfind("Fehler w\xE4hrend der Initialisierung! :\n", 0), 0u) << box.text.str();
    EXPECT_NE(box.text.str().find("morv9274-xml.so"), std::string::npos) << box.text.str();
}
