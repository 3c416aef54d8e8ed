// Pixel-art glyphs, the table that gives each toolbar command its picture (one or two glyphs, each in a colour, drawn
// at twice their size) and the table of the item pictures of trees and lists (glyphs at their own size). '#' is a pixel
// of the glyph's colour, anything else is transparent.
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

// The item pictures of trees and lists, drawn at their own size: a tile, its letter or bar, a dot.
Glyph kLetterA = {
    "................", "................", "................", "......####......", ".....######.....",
    "....##....##....", "....##....##....", "....##....##....", "....########....", "....########....",
    "....##....##....", "....##....##....", "....##....##....", "................", "................",
    "................"};
Glyph kLetterB = {
    "................", "................", "................", "....#######.....", "....##....##....",
    "....##....##....", "....##....##....", "....#######.....", "....#######.....", "....##....##....",
    "....##....##....", "....##....##....", "....#######.....", "................", "................",
    "................"};
Glyph kLetterC = {
    "................", "................", "................", ".....######.....", "....##....##....",
    "....##..........", "....##..........", "....##..........", "....##..........", "....##..........",
    "....##..........", "....##....##....", ".....######.....", "................", "................",
    "................"};
Glyph kLetterT = {
    "................", "................", "................", "....########....", "....########....",
    ".......##.......", ".......##.......", ".......##.......", ".......##.......", ".......##.......",
    ".......##.......", ".......##.......", ".......##.......", "................", "................",
    "................"};
Glyph kLetterE = {
    "................", "................", "................", "....########....", "....########....",
    "....##..........", "....##..........", "....######......", "....######......", "....##..........",
    "....##..........", "....########....", "....########....", "................", "................",
    "................"};
Glyph kLetterF = {
    "................", "................", "................", "....########....", "....########....",
    "....##..........", "....##..........", "....######......", "....######......", "....##..........",
    "....##..........", "....##..........", "....##..........", "................", "................",
    "................"};
Glyph kTileEdge = {
    ".##############.", "#..............#", "#..............#", "#..............#", "#..............#",
    "#..............#", "#..............#", "#..............#", "#..............#", "#..............#",
    "#..............#", "#..............#", "#..............#", "#..............#", "#..............#",
    ".##############."};
Glyph kTileFill = {
    "................", ".##############.", ".##############.", ".##############.", ".##############.",
    ".##############.", ".##############.", ".##############.", ".##############.", ".##############.",
    ".##############.", ".##############.", ".##############.", ".##############.", ".##############.",
    "................"};
Glyph kBar = {
    "................", "................", "................", "................", "................",
    "................", "................", "...##########...", "...##########...", "................",
    "................", "................", "................", "................", "................",
    "................"};
Glyph kDot = {
    "................", "................", "................", "................", "......####......",
    ".....######.....", "....########....", "....########....", "....########....", "....########....",
    ".....######.....", "......####......", "................", "................", "................",
    "................"};
Glyph kDotRing = {
    "................", "................", "................", "......####......", "....##....##....",
    "...#........#...", "...#........#...", "..#..........#..", "..#..........#..", "...#........#...",
    "...#........#...", "....##....##....", "......####......", "................", "................",
    "................"};

const Glyph* const kAllGlyphs[] = {&kDisk,     &kCross,   &kArrow,   &kPage,    &kForm,    &kPinIn,   &kPinOut,
                                   &kChip,     &kList,    &kUpDown,  &kWarning, &kNet,     &kSignal,  &kBars,
                                   &kLetterA,  &kLetterB, &kLetterC, &kLetterT, &kLetterE, &kLetterF, &kTileEdge,
                                   &kTileFill, &kBar,     &kDot,     &kDotRing};

constexpr std::uint32_t kBlue = 0xFF1F4E9E;
constexpr std::uint32_t kGreen = 0xFF1E7B34;
constexpr std::uint32_t kRed = 0xFFC0282D;
constexpr std::uint32_t kDark = 0xFF3A3A3A;
constexpr std::uint32_t kOrange = 0xFFC86A00;
constexpr std::uint32_t kTeal = 0xFF11777A;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
// The colour of a selected item's picture.
constexpr std::uint32_t kSelection = 0xFF0B2F7A;

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

// A tree or list item's picture and its selected variant: a tile of the row's colour with a white letter or bar, or
// (without a mark) a dot of that colour. The selected variant is the same in the selection colour, outlined in
// white so that it stands out on a selected row.
struct ItemPicture {
    UINT bitmap;
    UINT selectedBitmap;
    const Glyph* mark;
    std::uint32_t colour;
};

const ItemPicture kItemPictures[] = {
    {IDB_TILE_F, IDB_TILE_F_SELECTED, &kLetterF, kTeal},
    {IDB_TILE_A, IDB_TILE_A_SELECTED, &kLetterA, kGreen},
    {IDB_TILE_B, IDB_TILE_B_SELECTED, &kLetterB, kGreen},
    {IDB_TILE_C, IDB_TILE_C_SELECTED, &kLetterC, kGreen},
    {IDB_TILE_T, IDB_TILE_T_SELECTED, &kLetterT, kOrange},
    {IDB_TILE_E, IDB_TILE_E_SELECTED, &kLetterE, kRed},
    {IDB_TILE_BAR, IDB_TILE_BAR_SELECTED, &kBar, kDark},
    {IDB_DOT, IDB_DOT_SELECTED, nullptr, kTeal},
};

// A colour at 60 % of its brightness.
constexpr std::uint32_t Darker(std::uint32_t argb)
{
    std::uint32_t out = argb & 0xFF000000;
    for (int shift = 0; shift < 24; shift += 8)
        out |= (((argb >> shift) & 0xFF) * 3 / 5) << shift;
    return out;
}

void DrawGlyph(platform::Image& image, const Layer& layer, int left, int top, int scale = kScale)
{
    for (int gy = 0; gy < kGlyph; ++gy)
        for (int gx = 0; gx < kGlyph; ++gx) {
            if ((*layer.glyph)[gy][gx] != '#')
                continue;
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    int x = left + gx * scale + dx;
                    int y = top + gy * scale + dy;
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

std::vector<UINT> ItemImageIds()
{
    std::vector<UINT> ids;
    for (const ItemPicture& p : kItemPictures) {
        ids.push_back(p.bitmap);
        ids.push_back(p.selectedBitmap);
    }
    return ids;
}

platform::Image DrawItemImage(UINT bitmap)
{
    platform::Image image;
    image.size = CSize(kGlyph, kGlyph);
    image.pixels.assign(static_cast<size_t>(kGlyph * kGlyph), 0);
    for (const ItemPicture& p : kItemPictures) {
        if (bitmap != p.bitmap && bitmap != p.selectedBitmap)
            continue;
        const bool selected = bitmap == p.selectedBitmap;
        const std::uint32_t colour = selected ? kSelection : p.colour;
        if (p.mark) {
            DrawGlyph(image, Layer {&kTileFill, colour}, 0, 0, 1);
            DrawGlyph(image, Layer {&kTileEdge, selected ? kWhite : Darker(colour)}, 0, 0, 1);
            DrawGlyph(image, Layer {p.mark, kWhite}, 0, 0, 1);
        } else {
            if (selected)
                DrawGlyph(image, Layer {&kDotRing, kWhite}, 0, 0, 1);
            DrawGlyph(image, Layer {&kDot, colour}, 0, 0, 1);
        }
    }
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
