// Reading "Online.tmp": one record name per group, then its values one per line.
#include "evaluation/COnlineSchema.h"

#include "platform/TextFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

bool NextLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = 0;
    bool any = false;
    while ((c = std::fgetc(file)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

bool NextInt(std::FILE* file, int& value)
{
    std::string line;
    if (!NextLine(file, line)) return false;
    // A value beyond the 32-bit range keeps its low 32 bits, so a colour written unsigned (4294967295 for "none")
    // reads as the signed value it stands for.
    value = static_cast<int>(static_cast<unsigned int>(std::strtoll(line.c_str(), nullptr, 10)));
    return true;
}

}  // namespace

bool COnlineSchema::ReadFile(const char* path)
{
    m_Rahmen.RemoveAll();
    m_Platzhalter.RemoveAll();
    std::FILE* file = platform::OpenRegularForReading(path);
    if (file == nullptr) return false;
    bool ok = true;
    std::string name;
    while (ok && NextLine(file, name)) {
        if (name == "Online_Rahmen")
            ok = ReadRahmen(file);
        else if (name == "Online_Platzh_Links")
            ok = ReadPlatzhalter(file, 0);
        else if (name == "Online_Platzh_Rechts")
            ok = ReadPlatzhalter(file, 1);
        else
            ok = false;
    }
    std::fclose(file);
    return ok;
}

bool COnlineSchema::ReadRahmen(std::FILE* file)
{
    OnlineRahmen rahmen;
    for (int i = 0; i < 4; ++i)
        if (!NextInt(file, rahmen.x[i]) || !NextInt(file, rahmen.y[i])) return false;
    m_Rahmen.Add(rahmen);
    return true;
}

bool COnlineSchema::ReadPlatzhalter(std::FILE* file, int anchor)
{
    OnlinePlatzhalter p;
    p.anchor = anchor;
    std::string text;
    std::string face;
    std::string style;
    if (!NextLine(file, text) || !NextInt(file, p.x) || !NextInt(file, p.y) || !NextLine(file, face) ||
        !NextInt(file, p.font.size) || !NextInt(file, p.font.align) || !NextLine(file, style) ||
        !NextInt(file, p.font.color) || !NextInt(file, p.font.backColor))
        return false;
    p.text = text.c_str();
    p.font.faceName = face.c_str();
    p.font.styleName = style.c_str();
    m_Platzhalter.Add(p);
    return true;
}
