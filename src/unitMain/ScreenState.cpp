#include "ScreenState.h"

#include <QByteArray>
#include <QList>

#include <stdexcept>

namespace {

struct RowText
{
    ScreenRow row;
    // Table 1: ColorImage MapOverlay WholeScatter PartScatter SetCategory
    //          CategoryMap | overlay enabled | panel enabled | axis labels |
    //          raised to the top | repaint at once
    const char *pictures;
    // Table 2: File View Operation Help | SavePicture PartScatter Category
    //          CategoryMap items enabled
    const char *menus;
    // Table 3: MakeScatter TrainingArea Discriminant PaintCategoryMap
    //          enabled | Image WholeScatter PartScatter Category CategoryMap
    //          checked
    const char *items;
};

// "-" leaves a flag as it is.
const RowText Rows[] = {
    {ScreenRow::Start,
        "on  off off off off on   off off off  -       -",
        "on  off off on   off off off off",
        "on  off off off  on  off off off off"},
    {ScreenRow::OpenStart,
        "on  off off off off off  -   -   off  -       -",
        "-   on  on  -    on  off off off",
        "on  on  -   off  on  off off off off"},
    {ScreenRow::Image,
        "on  on  off off off off  off -   off  -       yes",
        "-   -   -   -    -   -   -   -",
        "on  on  off off  on  off off off off"},
    {ScreenRow::WholeScatter,
        "off off on  off off off  off -   on   labels  -",
        "-   -   -   -    -   -   -   -",
        "off off off off  off on  off off off"},
    {ScreenRow::PartScatter,
        "off off off on  off off  off -   on   labels  -",
        "-   -   -   -    -   -   -   -",
        "off off off off  off off on  off off"},
    {ScreenRow::Category,
        "off off off off on  off  off -   on   labels  -",
        "-   -   -   -    -   -   -   -",
        "off off off off  off off off on  off"},
    {ScreenRow::CategoryMap,
        "off off off off off on   off -   off  -       yes",
        "-   -   -   -    -   -   -   -",
        "off off off off  off off off off on"},
    {ScreenRow::MakeScatter,
        "-   on  -   off -   -    on  -   -    overlay -",
        "off off off off  -   -   -   -",
        "-   -   -   -    -   -   -   -   -"},
    {ScreenRow::OverlayUpScatter,
        "off off off on  -   -    -   -   on   labels  -",
        "on  on  on  on   -   on  -   -",
        "off -   -   -    off off on  -   -"},
    {ScreenRow::OverlayUpTraining,
        "-   -   -   -   -   -    -   -   -    -       -",
        "-   -   on  -    -   -   -   -",
        "off on  on  -    -   -   -   -   -"},
    {ScreenRow::TrainingArea,
        "-   on  -   off -   -    -   on  -    overlay -",
        "off off off off  -   -   -   -",
        "-   -   -   -    -   -   -   -   -"},
    {ScreenRow::Swatch,
        "-   -   -   -   -   -    on  -   -    -       -",
        "-   -   -   -    -   -   -   -",
        "-   -   -   -    -   -   -   -   -"},
    {ScreenRow::DiscriminantStart,
        "-   -   -   -   on  -    off off -    decision-map -",
        "-   -   -   -    -   -   -   -",
        "-   -   -   -    -   -   -   -   -"},
    {ScreenRow::DiscriminantEnd,
        "-   -   -   -   -   -    -   -   on   labels  -",
        "-   -   on  -    -   -   -   -",
        "off off off on   -   -   -   -   -"},
    {ScreenRow::PaintCategoryMap,
        "off off off off off on   off off off  -       yes",
        "on  on  on  on   -   -   on  on",
        "off off -   off  off off off off on"},
};

Tri ParseTri(const QByteArray &word)
{
    if (word == "on")
        return Tri::On;
    if (word == "off")
        return Tri::Off;
    if (word == "-")
        return Tri::Keep;
    throw std::logic_error("bad screen-state cell " + word.toStdString());
}

QList<QByteArray> Words(const char *text)
{
    return QByteArray(text).simplified().split(' ');
}

ScreenStateRow Parse(const RowText &text)
{
    ScreenStateRow row;
    const QList<QByteArray> pictures = Words(text.pictures);
    const QList<QByteArray> menus = Words(text.menus);
    const QList<QByteArray> items = Words(text.items);
    if (pictures.size() != 11 || menus.size() != 8 || items.size() != 9)
        throw std::logic_error("screen-state row of the wrong width");
    std::size_t flag = 0;
    for (int column = 0; column < 9; ++column)
        row.flags[flag++] = ParseTri(pictures[column]);
    for (const QByteArray &word : menus)
        row.flags[flag++] = ParseTri(word);
    for (const QByteArray &word : items)
        row.flags[flag++] = ParseTri(word);
    const QByteArray &raise = pictures[9];
    row.raise = raise == "overlay" ? Raise::Overlay
        : raise == "decision-map"  ? Raise::DecisionMap
        : raise == "labels"        ? Raise::Labels
                                   : Raise::None;
    row.repaint = pictures[10] == "yes";
    return row;
}

struct Table
{
    std::array<ScreenStateRow, std::size(Rows)> rows;
    Table()
    {
        for (const RowText &text : Rows)
            rows[static_cast<std::size_t>(text.row)] = Parse(text);
    }
};

}

const ScreenStateRow &ScreenStateOf(ScreenRow row)
{
    static const Table table;
    return table.rows[static_cast<std::size_t>(row)];
}
