#pragma once

#include <array>
#include <cstdint>

// The screen state that every command changes: one row per command and
// point of change, read from the same three tables the program is designed
// from, and applied by TMainForm::ApplyScreenState.
enum class ScreenRow {
    Start,
    OpenStart,
    Image,
    WholeScatter,
    PartScatter,
    Category,
    CategoryMap,
    MakeScatter,
    OverlayUpScatter,
    OverlayUpTraining,
    TrainingArea,
    Swatch,
    DiscriminantStart,
    DiscriminantEnd,
    PaintCategoryMap,
};

enum class Tri : std::uint8_t { Keep, On, Off };
enum class Raise : std::uint8_t { None, Overlay, DecisionMap, Labels };

// The flags, in the order of the tables' columns.
enum class Flag : std::uint8_t {
    // pictures visible, overlay and panel enabled, axis labels shown
    ColorImage, MapOverlay, WholeScatter, PartScatter, SetCategory, CategoryMap,
    OverlayEnabled, PanelEnabled, AxisLabels,
    // menus and File/View items enabled
    FileMenu, ViewMenu, OperationMenu, HelpMenu,
    SavePictureItem, PartScatterItem, CategoryItem, CategoryMapItem,
    // Operation items enabled, View items checked
    MakeScatterItem, TrainingAreaItem, DiscriminantItem, PaintCategoryMapItem,
    ImageChecked, WholeScatterChecked, PartScatterChecked, CategoryChecked, CategoryMapChecked,
    Count
};

constexpr std::size_t FlagCount = static_cast<std::size_t>(Flag::Count);

struct ScreenStateRow
{
    std::array<Tri, FlagCount> flags{};
    Raise raise = Raise::None;
    bool repaint = false;

    Tri operator[](Flag flag) const { return flags[static_cast<std::size_t>(flag)]; }
};

// Which parts of a row a command applies at one point of its sequence.
enum StateGroup : unsigned {
    PictureGroup = 1u << 0,   // the six pictures' visibility
    EnablingGroup = 1u << 1,  // overlay and category panel enabled
    RaisingGroup = 1u << 2,   // raising the overlay or the decision map
    MenuGroup = 1u << 3,      // menus, items and check marks
    LabelGroup = 1u << 4,     // the six axis labels, shown and raised
    RepaintGroup = 1u << 5,   // repaint the whole window at once
    AllGroups = (1u << 6) - 1,
};

const ScreenStateRow &ScreenStateOf(ScreenRow row);
