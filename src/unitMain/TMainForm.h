#pragma once

#include "ScreenState.h"
#include "toolkit/Dialogs.h"

#include <QMainWindow>
#include <QPoint>

class EditBox;
class Label;
class Picture;
class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QMenuBar;
class Shape;

// The main window. Its handlers live beside the commands they carry out:
// scene/ (File > Open), scatter/ (plots and rectangle selection), classify/
// (training, decision table, category map), output/, unitInfo/, About/, and
// the View commands here in unitMain/.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);

    // Components, in creation order (their stacking order).
    QWidget *ClientArea = nullptr;
    QFrame *Bevel1 = nullptr;
    Picture *imgWholeScatter = nullptr;
    Picture *imgPartScatter = nullptr;
    Picture *imgSetCategory = nullptr;
    Picture *imgMapOverlay = nullptr;
    Label *lblMessage = nullptr;
    Picture *imgColorImage = nullptr;
    Label *lblScatter3 = nullptr;
    Label *lblScatter4 = nullptr;
    Label *lblScatter5 = nullptr;
    Label *lblScatter6 = nullptr;
    Label *lblScatter1 = nullptr;
    Label *lblScatter2 = nullptr;
    Picture *imgCategoryMap = nullptr;
    Picture *imgSavePic = nullptr;
    QGroupBox *grpCategory = nullptr;
    Shape *shpBlue = nullptr;
    EditBox *Edit1 = nullptr;
    Shape *shpCyan = nullptr;
    EditBox *Edit2 = nullptr;
    Shape *shpGreen = nullptr;
    EditBox *Edit3 = nullptr;
    Shape *shpYellow = nullptr;
    EditBox *Edit4 = nullptr;
    Shape *shpRed = nullptr;
    EditBox *Edit5 = nullptr;
    Shape *shpMagenta = nullptr;
    EditBox *Edit6 = nullptr;

    QMenuBar *MainMenu = nullptr;
    QMenu *FileMenu = nullptr;
    QAction *OpenItem = nullptr;
    QAction *SavePictureItem = nullptr;
    QAction *N1 = nullptr;
    QAction *ExitItem = nullptr;
    QMenu *ViewMenu = nullptr;
    QAction *ImageItem = nullptr;
    QAction *WholeScatterItem = nullptr;
    QAction *PartScatterItem = nullptr;
    QAction *CategoryItem = nullptr;
    QAction *CategoryMapItem = nullptr;
    QMenu *OperationMenu = nullptr;
    QAction *MakeScatterItem = nullptr;
    QAction *TrainingAreaItem = nullptr;
    QAction *DiscriminantItem = nullptr;
    QAction *PaintCategoryMapItem = nullptr;
    QMenu *HelpMenu = nullptr;
    QAction *About1 = nullptr;
    QAction *InfoItem = nullptr;

    FileDialog OpenDialog;
    FileDialog SaveDialog;

    // File
    void OpenItemClick();
    void SavePictureItemClick();
    void ExitItemClick();
    // View
    void ImageItemClick();
    void WholeScatterItemClick();
    void PartScatterItemClick();
    void CategoryItemClick();
    void CategoryMapItemClick();
    // Operation
    void MakeScatterItemClick();
    void TrainingAreaItemClick();
    void DiscriminantItemClick();
    void PaintCategoryMapItemClick();
    // Help
    void About1Click();
    void InfoItemClick();
    // Mouse on the overlay and on the swatches
    void imgMapOverlayMouseDown(int X, int Y);
    void imgMapOverlayMouseMove(int X, int Y);
    void imgMapOverlayMouseUp(int X, int Y);
    void shpBlueMouseUp();
    void shpCyanMouseUp();
    void shpGreenMouseUp();
    void shpYellowMouseUp();
    void shpRedMouseUp();
    void shpMagentaMouseUp();

    void PaintScatter(const QPoint &first, const QPoint &second, Picture *target);
    void ShowScatterLabels(bool show);
    void PaintDecisionMap();

    // Applies the given groups of a command's screen-state row.
    void ApplyScreenState(ScreenRow row, unsigned groups = AllGroups);
    bool SceneFlag(Flag flag) const;

private:
    void createComponents();
    void createCategoryPanel();
    void createMenu();
    void connectHandlers();
    void selectCategory(int number);
    void setFlag(Flag flag, bool on);
    void showView(ScreenRow row, const QString &status);
};
