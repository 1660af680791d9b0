#pragma once
// The main window: menus, toolbar, property panel, the four surfaces and the
// status bar. It owns the document (element slots, settings record, work
// buffer, zoom, file name) and wires commands to the units that do the work.
// Its code is split by concern over TfrmTarvik_*.cpp.

#include "AlignArithmetic.h"
#include "CoverBuilder.h"
#include "CDDataTypes.h"
#include "ElementRecords.h"
#include "DocumentSlots.h"
#include "History.h"
#include "SurfaceGeometry.h"

#include <QMainWindow>
#include <QPointer>
#include <QProperty>
#include <QScopedValueRollback>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolBar;
class QToolButton;
class TShape;
class TSurfacePanel;
class TVelCDImageElement;
class TVelDragDrop;
class TVelFontCombo;
class TVelPickColor;
class TSelectionRect;
class TVelRotateLabel;
class TVelStretchHandle;
class TVelWinSpinEdit;
class TPrintJob;
class TfrmWizard;
struct TCoverDocument;
struct TCoverPrintOptions;

class TfrmTarvik : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmTarvik(const QStringList &arguments = {}, QWidget *parent = nullptr);
    ~TfrmTarvik() override;

    // --- document state -------------------------------------------------
    float FZoom = 0.9f;
    QString FCurrentFile;
    bool FFirstActivation = true;
    // Unsaved work; the caption's mark follows it.
    QProperty<bool> Modified{false};
    bool UseInches = true;
    THistory History;
    TCoverSettings CoverSettings;
    TDocumentRecord DocumentRecord;
    std::array<QPointer<TVelRotateLabel>, TextSlotCount> TextSlots;
    std::array<QPointer<TVelCDImageElement>, ImageSlotCount> ImageSlots;

    // --- commands --------------------------------------------------------
    // New: asks about a modified document, then empties it.
    void btnNewClick();
    // The document emptied without asking: no elements, no file name, no
    // history, white surfaces (Open starts with it).
    void NewDocument();
    // The elements gone and the work buffer cleared; colours, file name and
    // history stay (undo and redo rebuild from a snapshot after it).
    void ClearElements();
    // Asked before the document is replaced or the window closes. True when
    // the document may go: it is unmodified, the user answered No, or
    // answered Yes and the save succeeded. False when the user cancelled, or
    // answered Yes and the save was cancelled or failed: the document then
    // stays as it is, still Modified, and the caller must stop.
    bool ConfirmDiscard();
    void btnOpenClick();
    // Save: under the document's name, or asking for one when it has none.
    void btnSaveClick();
    void mnuCmClick();
    void mnuInchesClick();
    void mnuReassociateClick();
    void mnuExitClick();
    void mnuContentsClick();
    void mnuIndexClick();
    void mnuAboutClick();
    // One zoom step in or out (the zoom buttons); nothing at either end.
    void ZoomView(TZoomStep step);
    void pagCoverChange();
    // Every element takes the current zoom: images first, then texts.
    void RezoomElements();
    void pnlFrontCoverClick();
    void DragDropFilesDropped(const QStringList &files);

    // --- colours ----------------------------------------------------------
    // Colour `index` (TColorIndex) of the Colors tab's swatches shown on its
    // surface; every swatch's colour is taken into CoverSettings.
    void ApplyColor(int index);
    void ApplyColors();

    // --- cover view ------------------------------------------------------
    // Whether laying out a surface that does not fit the view zooms out
    // until it fits.
    enum class TViewFit { ZoomOutToFit, KeepZoom };
    void DisegnaCopertina(TSurfacePanel *panel, TShape *shadow, TViewFit fit, float height, float width);
    void LayoutAllSurfaces();
    TSurfacePanel *ActiveSurfacePanel() const;
    void ShowSurface(TSurfaceCode code);
    // Shows a surface tab without the page-change handling.
    void SetCoverPage(QWidget *tab);
    TSurfacePanel *SurfacePanel(TSurfaceCode code) const;
    static TSurfaceCode SurfaceCodeOf(const QWidget *panel);
    QString ZoomText() const;

    // --- slots -------------------------------------------------------------
    int FindTextSlot() const;
    int FindImageSlot() const;

    // --- help --------------------------------------------------------------
    int HelpContextOf(const QWidget *w) const;
    void ShowHelp(int context);

    // --- documents (TfrmTarvik_File.cpp)
    bool SaveDocument(bool askForName);
    bool OpenDocument(const QString &path);
    void ciclaSuPagine();
    void FillDocumentRecord();
    void FillDocumentRecord(TDocumentRecord &record) const;
    void RestoreImageStacking();
    // Builds the image elements of DocumentRecord; `findImage` resolves each
    // stored picture path (empty: the image is left out). A picture found but
    // not readable is kept as a placeholder; the file names of those are
    // returned.
    QStringList BuildImages(const std::function<QString(const QString &)> &findImage);
    // The pictures of a document's images: each file read once, in
    // parallel with the others, at the largest size any of its elements
    // can show; null where a path is empty or unreadable.
    static std::array<QImage, ImageSlotCount> ReadDocumentPictures(const TDocumentRecord &record,
                                                                  const std::array<QString, ImageSlotCount> &paths);
    // Asks the user for the picture of a document that has moved (No is the
    // default answer). With `noToAll`, the question offers "No to all" as
    // well, which sets *noToAll.
    QString SearchImage(const QString &storedPath, bool *noToAll = nullptr);
    // The document file dialogs; tests replace them.
    std::function<QString()> SaveFileChooser;
    std::function<QString()> OpenFileChooser;

    // --- printing (TfrmTarvik_Print.cpp)
    void btnPrintClick();
    void mnuPrinterSetupClick();
    void mnuPrintPreviewClick();
    void mnuExportPdfClick();
    // What printing reads: the records of the visible elements, the
    // settings record and the document's path.
    TCoverDocument CoverDocument() const;
    // The printer of the program; made at its first use. Tests put a printer
    // of page images in its place.
    TPrintJob &Printer();
    std::shared_ptr<TPrintJob> FPrinter;
    // Asks for the PDF file to export to; tests replace it.
    std::function<QString()> PdfFileChooser;

    // --- clipboard (TfrmTarvik_Clipboard.cpp)
    // Copy, or Cut with `cut`: the text selected in the text field when the
    // field has the focus, otherwise the selected elements (the element
    // pop-up menu's commands, `fromElementMenu`, always take the elements).
    // A cut is one undo step; a cut of elements leaves nothing selected.
    void mnuCopyClick(bool cut, bool fromElementMenu = false);
    // Pastes copied elements onto the visible surface as one undo step, or
    // text into the focused text field.
    void mnuPasteClick();

    // --- round labels (TfrmTarvik_Label.cpp)
    // The diameters dialog; new diameters lay the label surface out again.
    void mnuRoundLabelClick();
    // The label printing dialog over the print options dialog `over`.
    void PrintLabelClick(QWidget *over);

    // --- element editing (TfrmTarvik_Elements.cpp, TfrmTarvik_Selection.cpp)
    void btnInsertTextClick();
    void ReadTextPanel(TTextElementRecord &record);
    TVelRotateLabel *InsertTextElement(const TTextElementRecord &record);
    void btnImageClick();
    // The new image's slot, or -1 when every image slot is taken or the
    // picture cannot be read (the user is told; nothing is inserted).
    int InsertImageFile(const QString &path);
    void btnChangeImageClick();
    void mnuPopDeleteClick();
    void VelRotateLabelMouseDown(QWidget *element, Qt::MouseButton button, Qt::KeyboardModifiers shift);
    void pnlFrontCoverMouseDown(TSurfacePanel *panel, QMouseEvent *event);
    void pnlFrontCoverMouseMove(TSurfacePanel *panel, QMouseEvent *event);
    void pnlFrontCoverMouseUp(TSurfacePanel *panel, QMouseEvent *event);
    // Starts a rubber band on `panel` at `start` (panel coordinates); the
    // panel takes the mouse until the release.
    void StartRubberBand(TSurfacePanel *panel, QPoint start);
    // In rectangular-selection mode, a left press on a picture fitted to a
    // whole surface starts a rubber band there (true) instead of selecting
    // the picture; a click that draws no band selects it after all.
    bool StartBandOnFittedPicture(TVelCDImageElement *image, Qt::MouseButton button, QPoint panelPoint);
    void shMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void shMouseUp();
    void shKeyDown(int key);
    // What the selection holds.
    enum TSelectionKind { skTexts = 0, skImages = 1, skMixed = 2, skNone = 3 };
    TSelectionKind SelectionKind() const;
    void ReselectAll();
    bool HasSelection() const;
    QList<QWidget *> Selection() const;
    TElementContext ElementContext() const;
    std::optional<int> FreeTextSlot() const;
    std::optional<int> FreeImageSlot() const;

    // Asks for picture files (several when `multiple`), starting in
    // `start`. Tests replace it; the default is the picture dialog.
    std::function<QStringList(const QString &start, bool multiple)> PictureChooser;
    // How many history snapshots have been taken (for the status of the
    // history and for tests).
    int HistorySnapshots = 0;

    // --- history (TfrmTarvik_History.cpp)
    // Takes a snapshot for undo; inside a THistoryStep only the step's first
    // snapshot is taken.
    void RecordHistory();

    // One user command is one undo step, however many properties it changes
    // (a text style, a fit, a wizard run): while a step lives, the history
    // takes one snapshot, made when the step begins, and every RecordHistory
    // of the command's parts does nothing. Steps may nest; the outermost
    // one counts.
    class THistoryStep
    {
    public:
        explicit THistoryStep(TfrmTarvik &window);

    private:
        QScopedValueRollback<bool> FInStep;
    };
    TElementSnapshot CurrentSnapshot() const;
    void mnuUndoClick();
    void mnuRedoClick();

    // --- alignment, stacking, lock (TfrmTarvik_Arrange.cpp)
    // Aligns each selected element against its surface (the six
    // alignment commands): one history step; the handle follows.
    void AlignSelection(TAlignCommand command);
    void mnuPopAlignClick();
    void mnuPopBringtoFrontClick();
    void mnuPopSendtoBackClick();
    void mnuLockcomponentsClick();
    QWidget *FirstRestackable() const;

    // --- fitting (TfrmTarvik_Fit.cpp)
    void cmbFitToClick();
    void cmbFitToChange();
    // The fit the Fit box shows.
    TFitStyle ChosenFit() const;
    void FitToNone(TVelCDImageElement *image, TFitStyle before);
    void FitToSurface(TVelCDImageElement *image, TFitStyle style);
    void FitToFrontInside(int half, TVelCDImageElement *image);
    void FitToRoundLabel(TVelCDImageElement *image);
    // The round label's picture made from `picture`: cut to the label's
    // square from its middle when it keeps its proportions, then masked.
    QImage RoundLabelImage(const QImage &picture, bool keepProportions) const;
    void NormalizeLayers(TVelCDImageElement *image);
    void btnBackToOriginalSizeClick();
    void chkProportionsClick();
    void SpinImgWidthChange();
    void RefitFrontInsideImages();
    TVelCDImageElement *SelectedSingleImage() const;

    // --- property panel (TfrmTarvik_Panel.cpp)
    void ShowTextProperties(TVelRotateLabel *element);
    void ShowImageProperties(TVelCDImageElement *element);
    void EmptyTxtInfos();
    void EmptyImgInfos();
    // The property panel's fields, each of which changes one property of
    // the selected texts.
    enum class TPanelField {
        Text, FontName, FontSize, FontColor, Bold, Italic, Underline, Strikeout,
        Angle0, Angle90, Angle180, Angle270, Transparent, BackColor,
    };
    void RepaintElement(TPanelField field);
    void txtTextChange();
    void txtTextKeyUp(int key);
    void SpinXChange();
    void VelRotateLabelChangingPos(QWidget *sender);
    void ImgElementChangingPos(QWidget *sender);
    void ImgElementResizing(QWidget *sender);
    void pagEditChanging(int newIndex);

    // --- command states (TfrmTarvik_CommandStates.cpp)
    // Every rule for which commands are available, worked out again on each
    // signal that changes what the rules read: the selection, the clipboard,
    // the focus, the text field's marking, the Image tab and its Fit box,
    // and the history.
    void UpdateCommandStates();
    // The pop-up menu's own Cut, Copy and Paste, just before it shows.
    void txtMenuPopup();

    // Puts text style n into the Text tab and onto the selection.
    void LoadStyleValue(int n);
    void cmbApplyStyleClick();
    void mnuDefaultstylesClick();

    // --- the cover wizard (TfrmTarvik_Wizard.cpp)
    // Starts the wizard. A new cover (the menu item, the Wizard button) asks
    // about a modified document first and empties the wizard's boxes;
    // "Return to Wizard" keeps them. Either way the document starts afresh.
    void btnWizardClick(bool newCover);
    // The wizard window, made hidden with the main window.
    TfrmWizard *Wizard() const;
    bool NewCoverFlag = true;

    // The caption: the title alone, or title - file name.
    void UpdateCaption();

    // The components the tests reach, named as the design names them. A
    // command's action is found by its object name (the design's mnu or btn
    // name) with findChild; the window's other parts are private.
    QToolBar *TarvikDock = nullptr;
    QTabWidget *pagEdit = nullptr;
    QWidget *tabText = nullptr, *TabImage = nullptr, *TabColors = nullptr;
    TVelWinSpinEdit *SpinX = nullptr, *SpinY = nullptr;
    QTabWidget *pagCover = nullptr;
    QWidget *TabFrontCover = nullptr, *TabInsideCover = nullptr, *tabBackCover = nullptr, *TabLabel = nullptr;
    TSurfacePanel *pnlFrontCover = nullptr, *pnlInsideCover = nullptr, *pnlBackCover = nullptr,
                  *pnlRoundLabel = nullptr;
    TShape *ShadowFrontCover = nullptr, *shadowInsideCover = nullptr, *ShadowBackCover = nullptr,
           *ShadowRoundLabel = nullptr;
    QLabel *SBPanel0 = nullptr, *SBPanel1 = nullptr, *SBPanel2 = nullptr;
    TVelStretchHandle *SH = nullptr;
    TSelectionRect *RectSel = nullptr;
    QMenu *mnuFile = nullptr;
    // Text page
    QLabel *lblAngle = nullptr;
    QGroupBox *grpFont = nullptr;
    QLineEdit *txtText = nullptr;
    TVelFontCombo *cmbFontName = nullptr;
    QComboBox *cmbFontSize = nullptr;
    QToolButton *btnBold = nullptr, *btnItalic = nullptr, *btnUnderline = nullptr, *btnStrikeout = nullptr;
    TVelPickColor *shColor = nullptr;
    QRadioButton *rb0 = nullptr, *rb90 = nullptr, *rb180 = nullptr, *rb270 = nullptr;
    QCheckBox *chkTransparent = nullptr;
    QComboBox *cmbApplyStyle = nullptr;
    // Image page
    QToolButton *btnChangeImage = nullptr;
    QComboBox *cmbFitTo = nullptr;
    TVelWinSpinEdit *SpinImgWidth = nullptr, *SpinImgHeight = nullptr;
    QCheckBox *chkProportions = nullptr;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // --- the window's other parts -----------------------------------------
    QWidget *pnlPosition = nullptr;
    // Holds pagEdit and pnlPosition; scrolls when the window is low.
    QScrollArea *scrProperties = nullptr;
    QGroupBox *grpPosition = nullptr;
    QMenu *txtMenu = nullptr;
    TVelDragDrop *DragDrop = nullptr;
    // Text page
    QLabel *lblText = nullptr, *lblBackGround = nullptr;
    TVelPickColor *shBackColor = nullptr;
    // Image page
    QLabel *lblImageName = nullptr, *lblFit = nullptr, *lblImgWidth = nullptr, *lblimgHeight = nullptr;
    QLineEdit *txtImageName = nullptr;
    QGroupBox *grpPictureSize = nullptr;
    QToolButton *btnBackToOriginalSize = nullptr;
    // Colors page
    TVelPickColor *shColorFront = nullptr, *shColorInside = nullptr, *shColorBack = nullptr,
                  *shColorLeft = nullptr, *shColorRight = nullptr, *shColorLabel = nullptr,
                  *shColorLines = nullptr;
    std::array<QLabel *, 7> colorLabels{};

    // Menus and their items
    QMenu *mnuPreferences = nullptr, *mnuMetrics = nullptr, *mnuEdit = nullptr, *mnuInsert = nullptr,
          *mnuAlignment = nullptr, *mnuHorizontally = nullptr, *mnuVertically = nullptr, *mnuHelp = nullptr;
    // One action per command, shared by the menu, the toolbar and the pop-up
    // menu (TfrmTarvik_Commands.cpp); the toolbar's buttons carry the
    // design's btn names.
    QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuSave = nullptr, *mnuSaveAs = nullptr,
            *mnuPrinterSetup = nullptr, *mnuPrint = nullptr, *mnuCm = nullptr, *mnuInches = nullptr,
            *mnuDefaultstyles = nullptr, *mnuReassociate = nullptr, *mnuRoundLabel = nullptr,
            *mnuExit = nullptr, *mnuUndo = nullptr, *mnuRedo = nullptr, *mnuCut = nullptr,
            *mnuCopy = nullptr, *mnuPaste = nullptr, *mnuDelete = nullptr, *mnuBringtofront = nullptr,
            *mnuSendtoBack = nullptr, *mnuAlign = nullptr, *mnuLockcomponents = nullptr,
            *mnuSelectnone = nullptr, *mnuUseTarvikWizard = nullptr, *mnuInsertText = nullptr,
            *mnuInsertImage = nullptr, *mnuLeft = nullptr, *mnuCenter = nullptr, *mnuRight = nullptr,
            *mnuTop = nullptr, *mnuMiddle = nullptr, *mnuBottom = nullptr, *mnuContents = nullptr,
            *mnuIndex = nullptr, *mnuAbout = nullptr, *mnuPrintPreview = nullptr, *mnuExportPdf = nullptr;
    // The pop-up menu's Cut, Copy and Paste, whose states differ from the
    // Edit menu's; its other items are the Edit menu's actions.
    QAction *mnuPopCut = nullptr, *mnuPopCopy = nullptr, *mnuPopPaste = nullptr;
    // Commands only the toolbar has.
    QAction *btnSelect = nullptr, *btnZoomIn = nullptr, *btnZoomOut = nullptr, *btnEditWizard = nullptr;

    // Re-entrancy flags, each set through a QScopedValueRollback.
    // The property panel is being filled: the fields' own handlers stay silent.
    bool PanelUpdating = false;
    // The elements are being rebuilt or several are changed by one command:
    // no history snapshot is taken for each.
    bool SuppressHistory = false;
    // Undo or redo is rebuilding the elements.
    bool RestoringHistory = false;
    // A rubber band is being drawn from RubberBandStart.
    bool RubberBandActive = false;
    QPoint RubberBandStart;

    // The string-table texts the window's code shows; its components' own
    // texts are the table of TfrmTarvik_Localize.cpp.
    enum TText : int {
        txXInCm = 1910,
        txYInCm = 1920,
        txXInInches = 1930,
        txYInInches = 1940,
        txValueInCm = 2220,
        txValueInInches = 2230,
        txHelpHint = 2600,
        txZoom = 2610,
        txSaveChanges = 2720,
        txUnknownDroppedFile = 2725,
    };
    // The width of the property panel's pages.
    static constexpr int PropertyPanelWidth = 212;

    // construction (TfrmTarvik_Ui.cpp)
    void createActions();
    void addCommand(QAction *&action, const char *name, const char *icon, const std::function<void()> &handler);
    void createMenus();
    void createToolbar();
    // The toolbar's buttons: the design's name of each, the command's action
    // and its hint's string id; an entry without an action is a separator.
    struct TToolButtonDef {
        const char *Name;
        QAction *Action;
        int HintId;
    };
    std::vector<TToolButtonDef> ToolbarButtons() const;
    void createPropertyPanel();
    QWidget *createTextPage();
    QWidget *createImagePage();
    QWidget *createColorsPage();
    void createCoverView();
    void createStatusBar();
    // the Language submenu of Preferences (TfrmTarvik_Language.cpp)
    QMenu *mnuLanguage = nullptr;
    void createLanguageMenu();
    void fillLanguageMenu();
    void mnuLanguageClick(const QString &modulePath);
    void assignHelpContexts();
    bool menuHelpFilter(QObject *watched, QEvent *event);
    void connectWidgets();
    void connectCommandStates();
    void disconnectCommandStates();
    // A picture fitted to a surface is shown on the Image tab: its size
    // fields are read-only and the handle does not move it.
    bool ImageFitShown() const;
    // The handle's lock when it takes the selection again: Lock components,
    // or a fitted picture.
    bool HandleLocked() const;

    // life cycle (TfrmTarvik.cpp)
    void FormCreate();
    void FormActivate();
    void FormResize();
    bool FormCloseQuery();
    void FreeResources();
    void FormClose();
    void LocalizeMainWindow();
    void ApplicationEvents1Activate();
    void ShowHint(const QString &hint);
    void DestroyAllElements();
    void connectElement(TVelRotateLabel *element);
    void connectElement(TVelCDImageElement *element);
    void connectPanel();
    void setPanelEnabled(QWidget *tab, bool enabled);
    void ReportError(const QString &message);
    QStringList ChoosePictures(const QString &start, bool multiple);
    QString AskSaveFileName();
    QString AskOpenFileName();
    QString AskPdfFileName();
    void previewCover(int kind, const TCoverPrintOptions &options);
    TCoverPrintOptions heldPrintOptions() const;
    void ExceptionLogOnly(const QString &message);
    void deleteElements(const QList<QWidget *> &elements);
    void rebuildFromRecord(bool showEachTextSurface);
    std::vector<DocumentSlots::TStackEntry> ImagesOnPanel(const QWidget *panel) const;
    void applyOrders(const std::vector<DocumentSlots::TStackEntry> &entries);
    void reloadPicture(TVelCDImageElement *image);
    // The picture of a file to insert, reduced for the cover; null, and the
    // user told so, when it cannot be read.
    QImage ReadInsertedPicture(const QString &path);
    int InsertImagePicture(const QString &path, const QImage &picture);
    // The order a new free picture takes on a surface: above its free pictures.
    int NextImageOrder(const TSurfacePanel *panel) const;
    void refitRebuiltImage(TVelCDImageElement *image);
    void pasteElements(const TTarvikData &data);
    bool pasteTextIntoFocusedField();

    // the cover wizard (TfrmTarvik_Wizard.cpp)
    class TWizardCover;
    void CreateWizard();
    std::unique_ptr<TCoverBuilder> FWizardCover;
    QPointer<TfrmWizard> FWizard;
    // A wizard run has built the cover shown, so Return to Wizard may open it again.
    bool FWizardCoverShown = false;

    QPointer<TVelCDImageElement> FBandPicture; // the fitted picture a band started on
    bool FInHistoryStep = false; // a THistoryStep has taken its snapshot
    QStringList FArguments;
    float FPrinterXOffset = 0.2f, FPrinterYOffset = 0.5f;
    int FCopies = 1;
    bool FClosing = false;
    QActionGroup *FUnitGroup = nullptr;
    QList<QMetaObject::Connection> FStateConnections;
    QPropertyNotifier FModifiedNotifier = Modified.addNotifier([this] { setWindowModified(Modified); });
};
