// The online-schema page: geometry, styles and the XHTML text.
#include "evaluation/COnlineSchemaHtml.h"

#include "platform/CLocale.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

struct Entity {
    char character;
    const char* entity;
};

// "&" first, so the ampersands of the later entities stay as they are.
constexpr Entity kEntities[] = {
    {'&', "&amp;"},   {'<', "&lt;"},    {'>', "&gt;"},    {'\xB0', "&deg;"},  {'\xE4', "&auml;"},
    {'\xC4', "&Auml;"}, {'\xF6', "&ouml;"}, {'\xD6', "&Ouml;"}, {'\xFC', "&uuml;"}, {'\xDC', "&Uuml;"},
    {'\xDF', "&szlig;"}, {' ', "&nbsp;"},  {'\xB2', "&sup2;"}, {'\xB3', "&sup3;"},
};

struct FontSize {
    int value;
    int pixels;
};

constexpr FontSize kFontSizes[] = {{40, 13},  {50, 18},  {60, 20},  {70, 23},  {80, 28},  {90, 31},
                                   {100, 33}, {110, 39}, {120, 41}, {130, 43}, {140, 50}, {150, 52},
                                   {160, 55}, {170, 60}, {180, 63}, {190, 65}, {200, 70}};

unsigned CodePoint(unsigned char byte)
{
    const std::string utf8 = platform::Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
    const auto* u = reinterpret_cast<const unsigned char*>(utf8.data());
    if (utf8.size() == 2) return ((u[0] & 0x1Fu) << 6) | (u[1] & 0x3Fu);
    if (utf8.size() == 3) return ((u[0] & 0x0Fu) << 12) | ((u[1] & 0x3Fu) << 6) | (u[2] & 0x3Fu);
    return byte;
}

}  // namespace

bool operator==(const OnlineStil& a, const OnlineStil& b)
{
    return a.fontFamily == b.fontFamily && a.textAlign == b.textAlign && a.fontStyle == b.fontStyle &&
           a.fontWeight == b.fontWeight && a.fontSize == b.fontSize && a.color == b.color &&
           a.backColor == b.backColor;
}

int COnlineSchemaHtml::FontPixels(int size)
{
    for (const FontSize& f : kFontSizes)
        if (f.value == size) return f.pixels;
    return size < 40 ? 13 : 70;
}

int COnlineSchemaHtml::ToRgb(int color)
{
    // Only the three colour bytes; a value with a high byte would otherwise be written as more than six digits.
    const unsigned c = static_cast<unsigned>(color);
    return static_cast<int>(((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu));
}

CString COnlineSchemaHtml::ToHtml(const CString& text)
{
    std::string out;
    for (const char ch : std::string(text.GetString())) {
        const Entity* named = nullptr;
        for (const Entity& e : kEntities)
            if (e.character == ch) named = &e;
        if (named != nullptr)
            out += named->entity;
        else if (static_cast<unsigned char>(ch) >= 0x80)
            out += platform::FormatC("&#%u;", CodePoint(static_cast<unsigned char>(ch)));
        else
            out.push_back(ch);
    }
    return CString(out);
}

int COnlineSchemaHtml::AddStyle(const OnlineStil& style)
{
    for (int i = 0; i < m_Stile.GetCount(); ++i)
        if (*m_Stile.GetAt(i) == style) return i;
    m_Stile.Add(style);
    return m_Stile.GetCount() - 1;
}

bool COnlineSchemaHtml::Build(const COnlineSchema& schema)
{
    m_Stile.RemoveAll();
    m_Positionen.RemoveAll();
    if (schema.m_Rahmen.GetCount() != 1) return false;
    const OnlineRahmen& r = *schema.m_Rahmen.GetAt(0);
    const int left = *std::min_element(r.x, r.x + 4);
    const int right = *std::max_element(r.x, r.x + 4);
    const int top = *std::min_element(r.y, r.y + 4);
    const int bottom = *std::max_element(r.y, r.y + 4);
    m_nWidth = right - left;
    m_nHeight = bottom - top;

    for (int i = 0; i < schema.m_Platzhalter.GetCount(); ++i) {
        const OnlinePlatzhalter& p = *schema.m_Platzhalter.GetAt(i);
        OnlinePosition pos;
        pos.anchor = p.anchor;
        pos.x = p.anchor == 1 ? (left + m_nWidth) - p.x : p.x - left;
        pos.y = p.y - top;
        OnlineStil stil;
        stil.fontFamily = p.font.faceName;
        stil.textAlign = p.font.align == 2 ? "right" : p.font.align == 6 ? "center" : "left";
        const CString& name = p.font.styleName;
        stil.fontStyle = name == "Kursiv" || name == "Fett Kursiv" ? "italic" : "normal";
        stil.fontWeight = name == "Fett" || name == "Fett Kursiv" ? "bold" : "normal";
        stil.fontSize = FontPixels(p.font.size);
        stil.color = ToRgb(p.font.color);
        stil.backColor = p.font.backColor < 0 ? -1 : ToRgb(p.font.backColor);
        pos.style = AddStyle(stil);
        pos.text = ToHtml(p.text);
        m_Positionen.Add(pos);
    }
    return true;
}

bool COnlineSchemaHtml::WriteFile(const char* path) const
{
    std::FILE* file = platform::OpenForWriting(path, "wb");
    if (file == nullptr) return false;
    std::string page;
    auto line = [&page](const std::string& text) { page += text + "\r\n"; };
    const std::string dashes(50, '-');
    line("<!--2.0-->");
    line("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
         "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
    line("<html xmlns=\"http://www.w3.org/1999/xhtml\">");
    line("<head>");
    line("<meta http-equiv=\"content-type\" content=\"text/html;charset=utf-8\" />");
    line("<style type=\"text/css\">");
    line("body {font-size: 14px; font-family: Verdana, Arial, Helvetica, sans-serif; background-repeat: no-repeat; "
         "background-color: transparent; background: transparent; margin: 0px; padding: 0px;}");
    line("#frame {text-align: left; vertical-align: top; position: relative; margin-left: 0;}");
    line("");
    line(platform::FormatC("/*########## %s ##########*/", "ID CSS: posizioni parametri da visualizzare"));
    for (int i = 0; i < m_Positionen.GetCount(); ++i) {
        const OnlinePosition& p = *m_Positionen.GetAt(i);
        line(platform::FormatC("#%s%02d {top: %dpx; %s: %dpx;}", "pos", i + 1, p.y, p.anchor == 1 ? "right" : "left",
                               p.x));
    }
    line("");
    line(platform::FormatC("/*########## %s ##########*/", "Classe CSS: rappresentazione parametri da visualizzare"));
    for (int j = 0; j < m_Stile.GetCount(); ++j) {
        const OnlineStil& s = *m_Stile.GetAt(j);
        std::string text = platform::FormatC(".%s%d {", "style", j + 1);
        text += platform::FormatC("font-family: %s; ", s.fontFamily.GetString());
        text += platform::FormatC("font-size: %dpx; ", s.fontSize);
        text += platform::FormatC("text-align: %s; ", s.textAlign.GetString());
        text += platform::FormatC("font-style: %s; ", s.fontStyle.GetString());
        text += platform::FormatC("font-weight: %s; ", s.fontWeight.GetString());
        text += platform::FormatC("color: #%06X; ", s.color);
        if (s.backColor >= 0) text += platform::FormatC("background-color: #%06X; ", s.backColor);
        text += "position: absolute;}";
        line(text);
    }
    line("");
    line("</style>");
    line("");
    line("<script type=\"text/javascript\">");
    line("<!--");
    line(platform::FormatC("var Title =\"%s\";  // %s", "Schema online", "Testo titolo nella finestra Browser"));
    line(platform::FormatC("var GraphicFile = \"GRAFIK.gif\";  // %s", "Percorso del file grafico"));
    line(platform::FormatC("var Width = \"%dpx\";", m_nWidth));
    line(platform::FormatC("var Height = \"%dpx\";", m_nHeight));
    line("");
    line(platform::FormatC("//### %s: ###", "Tempo di intervallo [in secondi] per un aggiornamento automatico dei "
                                            "valori di misurazione"));
    line(platform::FormatC("//### < 30 = %s ###", "nessun aggiornamento automatico"));
    line("//" + dashes);
    line("var AutoRefreshTime = 60;");
    line("");
    line(platform::FormatC("//### %s: ###", "Testo Link per aggiornamento manuale dei valori di misurazione"));
    line(platform::FormatC("//### \"\" = %s ###", "nessun Link per aggiornamento manuale"));
    line("//" + dashes);
    line(platform::FormatC("var RefreshLink =\"%s\";", "Aggiorna valori"));
    line("");
    line("-->");
    line("</script>");
    line("");
    line("</head>");
    line("<body>");
    line("<div id=\"frame\">");
    line("");
    line(platform::FormatC("<!--########## %s ##########-->", "Definizioni parametri da visualizzare"));
    for (int i = 0; i < m_Positionen.GetCount(); ++i) {
        const OnlinePosition& p = *m_Positionen.GetAt(i);
        line(platform::FormatC("<div class=\"%s%d\" ", "style", p.style + 1) +
             platform::FormatC("id=\"%s%02d\">", "pos", i + 1) + platform::FormatC("%s</div>", p.text.GetString()));
    }
    line("");
    line("</div>");
    line("</body>");
    page += "</html>";
    const bool ok = std::fwrite(page.data(), 1, page.size(), file) == page.size();
    return std::fclose(file) == 0 && ok;
}
