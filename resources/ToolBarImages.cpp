// Pixel-art glyphs and the table that gives each toolbar command its picture: one or two glyphs, each in a colour,
// drawn at twice their size. '#' is a pixel of the glyph's colour, anything else is transparent.
#include "resources/ToolBarImages.h"

#include "resources/ResourceIds.h"

#include <cstdint>
#include <cstring>

namespace resources {

namespace {

constexpr int kGlyph = 16;
constexpr int kScale = 2;
using Glyph = const char* const[kGlyph];

Glyph kDisk = {
    "##############..", "#.##......##.#..", "#.##......##.#..", "#.##......##.#..", "#.##########.#..",
    "#............#..", "#.##########.#..", "#.#........#.#..", "#.#........#.#..", "#.#........#.#..",
    "#.#........#.#..", "#.##########.#..", "##############..", "................", "................",
    "................"};
Glyph kCross = {
    "................", ".##..........##.", ".###........###.", "..###......###..", "...###....###...",
    "....###..###....", ".....######.....", "......####......", "......####......", ".....######.....",
    "....###..###....", "...###....###...", "..###......###..", ".###........###.", ".##..........##.",
    "................"};
Glyph kArrow = {
    "................", "................", "..........#.....", "..........##....", "..........###...",
    "..........####..", "..#############.", "..##############", "..##############", "..#############.",
    "..........####..", "..........###...", "..........##....", "..........#.....", "................",
    "................"};
Glyph kPage = {
    "..##########....", "..#........##...", "..#.######.#.#..", "..#........####.", "..#.########..#.",
    "..#...........#.", "..#.#########.#.", "..#...........#.", "..#.#######...#.", "..#...........#.",
    "..#.#########.#.", "..#...........#.", "..#.######....#.", "..#...........#.", "..#############.",
    "................"};
Glyph kForm = {
    "################", "################", "#..............#", "#.####..######.#", "#..............#",
    "#.####..######.#", "#..............#", "#.####..######.#", "#..............#", "#.####..######.#",
    "#..............#", "################", "................", "................", "................",
    "................"};
Glyph kPinIn = {
    "........########", "........#......#", "...#....#......#", "...##...#......#", "...###..#......#",
    "#######.#......#", "########.......#", "#######.#......#", "...###..#......#", "...##...#......#",
    "...#....#......#", "........#......#", "........########", "................", "................",
    "................"};
Glyph kPinOut = {
    "########........", "#......#........", "#......#....#...", "#......#....##..", "#......#....###.",
    "#......#.#######", "#.......########", "#......#.#######", "#......#....###.", "#......#....##..",
    "#......#....#...", "#......#........", "########........", "................", "................",
    "................"};
Glyph kChip = {
    "...#..#..#..#...", "...#..#..#..#...", ".##############.", ".#............#.", "##.##########.##",
    ".#.#........#.#.", ".#.#.######.#.#.", "##.#.#....#.#.##", ".#.#.#....#.#.#.", ".#.#.######.#.#.",
    "##.#........#.##", ".#.##########.#.", ".#............#.", ".##############.", "...#..#..#..#...",
    "...#..#..#..#..."};
Glyph kList = {
    "................", "##.############.", "##.############.", "................", "##.############.",
    "##.############.", "................", "##.############.", "##.############.", "................",
    "##.############.", "##.############.", "................", "##.############.", "##.############.",
    "................"};
Glyph kUpDown = {
    ".......##.......", "......####......", ".....######.....", "....########....", ".......##.......",
    ".......##.......", ".......##.......", ".......##.......", ".......##.......", ".......##.......",
    ".......##.......", "....########....", ".....######.....", "......####......", ".......##.......",
    "................"};
Glyph kWarning = {
    ".......##.......", ".......##.......", "......####......", "......#..#......", ".....##..##.....",
    ".....#.##.#.....", "....##.##.##....", "....#..##..#....", "...##..##..##...", "...#...##...#...",
    "..##........##..", "..#....##....#..", ".##....##....##.", ".#............#.", "################",
    "................"};
Glyph kNet = {
    "......####......", "......####......", "......####......", ".......##.......", ".......##.......",
    "..############..", "..#....##....#..", "..#....##....#..", "..#....##....#..", "####..####..####",
    "####..####..####", "####..####..####", "................", "................", "................",
    "................"};
Glyph kSignal = {
    "..........#.....", "..........##....", "#############...", "##############..", "#############...",
    "..........##....", "..........#.....", "................", ".....#..........", "....##..........",
    "...#############", "..##############", "...#############", "....##..........", ".....#..........",
    "................"};
Glyph kBars = {
    "..............##", "..............##", "..........##..##", "..........##..##", "......##..##..##",
    "......##..##..##", "..##..##..##..##", "..##..##..##..##", "..##..##..##..##", "..##..##..##..##",
    "################", "################", "................", "................", "................",
    "................"};

const Glyph* const kAllGlyphs[] = {&kDisk, &kCross, &kArrow, &kPage, &kForm, &kPinIn, &kPinOut, &kChip,
                                   &kList, &kUpDown, &kWarning, &kNet, &kSignal, &kBars};

constexpr std::uint32_t kBlue = 0xFF1F4E9E;
constexpr std::uint32_t kGreen = 0xFF1E7B34;
constexpr std::uint32_t kRed = 0xFFC0282D;
constexpr std::uint32_t kDark = 0xFF3A3A3A;
constexpr std::uint32_t kOrange = 0xFFC86A00;
constexpr std::uint32_t kTeal = 0xFF11777A;

struct Layer {
    const Glyph* glyph;
    std::uint32_t colour;
};

// A command's picture: one glyph in the middle of the button, or two side by side.
struct Picture {
    UINT command;
    Layer first;
    Layer second;
};

const Picture kPictures[] = {
    {ID_SAVE_AND_CLOSE, {&kDisk, kBlue}, {}},
    {ID_SAVE_SETTINGS_AND_CLOSE, {&kDisk, kBlue}, {}},
    {ID_ASSIGN_EINGANG, {&kArrow, kGreen}, {}},
    {ID_ASSIGN_AUSGANG, {&kArrow, kGreen}, {}},
    {ID_ASSIGN_NETZ, {&kArrow, kGreen}, {}},
    {ID_SAVE_ASSIGN_EINGANG, {&kDisk, kBlue}, {&kArrow, kGreen}},
    {ID_SAVE_ASSIGN_AUSGANG, {&kDisk, kBlue}, {&kArrow, kGreen}},
    {ID_SAVE_ASSIGN_NETZ, {&kDisk, kBlue}, {&kArrow, kGreen}},
    {ID_TERMINATE, {&kCross, kRed}, {}},
    {ID_CLOSE_WINDOW, {&kCross, kDark}, {}},
    {ID_SHOW_PROTOKOLL, {&kPage, kRed}, {&kWarning, kOrange}},
    {ID_SHOW_EINGANG, {&kForm, kTeal}, {&kPinIn, kGreen}},
    {ID_SHOW_AUSGANG, {&kForm, kTeal}, {&kPinOut, kGreen}},
    {ID_SHOW_SIGNAL, {&kSignal, kTeal}, {}},
    {ID_SHOW_PARAMETER, {&kForm, kTeal}, {}},
    {ID_SHOW_VARIN, {&kPinIn, kTeal}, {}},
    {ID_SHOW_VAROUT, {&kPinOut, kTeal}, {}},
    {ID_SHOW_COMPILER, {&kChip, kDark}, {}},
    {ID_SHOW_EXPORT, {&kPage, kDark}, {&kArrow, kBlue}},
    {ID_SHOW_IMPORT, {&kChip, kDark}, {&kArrow, kBlue}},
    {ID_SHOW_FUNCVIEW, {&kList, kTeal}, {}},
    {ID_SHOW_CANLOGGING, {&kBars, kTeal}, {}},
    {ID_SHOW_FUNCORDER, {&kList, kTeal}, {&kUpDown, kDark}},
    {ID_SHOW_MSGORDER, {&kWarning, kOrange}, {&kUpDown, kDark}},
    {ID_SHOW_NETZEINGANG, {&kNet, kTeal}, {&kPinIn, kGreen}},
    {ID_SHOW_NETZAUSGANG, {&kNet, kTeal}, {&kPinOut, kGreen}},
};

void DrawGlyph(platform::Image& image, const Layer& layer, int left, int top)
{
    for (int gy = 0; gy < kGlyph; ++gy)
        for (int gx = 0; gx < kGlyph; ++gx) {
            if ((*layer.glyph)[gy][gx] != '#')
                continue;
            for (int dy = 0; dy < kScale; ++dy)
                for (int dx = 0; dx < kScale; ++dx) {
                    int x = left + gx * kScale + dx;
                    int y = top + gy * kScale + dy;
                    if (x >= 0 && y >= 0 && x < image.size.cx && y < image.size.cy)
                        image.pixels[static_cast<size_t>(y * image.size.cx + x)] = layer.colour;
                }
        }
}

const Picture* PictureOf(UINT command)
{
    for (const Picture& p : kPictures)
        if (p.command == command)
            return &p;
    return nullptr;
}

}  // namespace

platform::Image DrawToolBarImage(const std::vector<UINT>& commands, CSize buttonSize)
{
    platform::Image image;
    image.size = CSize(buttonSize.cx * static_cast<int>(commands.size()), buttonSize.cy);
    image.pixels.assign(static_cast<size_t>(image.size.cx) * static_cast<size_t>(image.size.cy), 0);
    constexpr int side = kGlyph * kScale;
    for (size_t i = 0; i < commands.size(); ++i) {
        const Picture* picture = PictureOf(commands[i]);
        if (!picture)
            continue;
        const int left = static_cast<int>(i) * buttonSize.cx;
        const int top = (buttonSize.cy - side) / 2;
        if (picture->second.glyph) {
            const int gap = 4;
            const int start = left + (buttonSize.cx - 2 * side - gap) / 2;
            DrawGlyph(image, picture->first, start, top);
            DrawGlyph(image, picture->second, start + side + gap, top);
        } else {
            DrawGlyph(image, picture->first, left + (buttonSize.cx - side) / 2, top);
        }
    }
    return image;
}

platform::Image DrawProgramIcon()
{
    platform::Image image;
    image.size = CSize(kGlyph * kScale, kGlyph * kScale);
    image.pixels.assign(static_cast<size_t>(image.size.cx * image.size.cy), 0);
    DrawGlyph(image, Layer {&kChip, kBlue}, 0, 0);
    return image;
}

bool GlyphsAreWellFormed()
{
    for (const Glyph* glyph : kAllGlyphs)
        for (const char* row : *glyph)
            if (std::strlen(row) != kGlyph)
                return false;
    return true;
}

}  // namespace resources
