#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/DrawingHistory.h"
#include "app/RecoveryKeeper.h"
#include "dialogs/TextDialog.h"
#include "io/FileIdentity.h"
#include "model/CanvasOptions.h"
#include "model/Drawing.h"
#include "model/KStatusSink.h"
#include "model/SetOutlines.h"
#include "model/TraceValues.h"
#include "model/TypedTransform.h"
#include "preview/PreviewWindow.h"
#include "render/BackgroundLayer.h"
#include "toolkit/vCmdWindow.h"

class DistanceDialog;
class KCanvasPane;
class KryDialog;
class KScalModalDialog;
struct PastedDrawing;
class RemsDialog;
struct RecoveryCopy;
class vCommandPane;
class vMenuPane;
class vModalDialog;

// One drawing window: a menu bar, a command bar, the drawing canvas and a status bar, built from
// static tables, and the three dialogs it owns (prism values, shapes, remarks). It carries the
// file the drawing came from or was saved to, and shows the canvas's counts and cursor position.
class KryCmdWindow : public vCmdWindow, public KStatusSink {
public:
    static constexpr int FileNameSize = 100;

    // What the window does with an id of its tables.
    enum class CommandRole {
        Unknown,
        Handled,   // a command the window carries out
        PassedOn,  // left to the application: menu titles, spacers, new, exit
        Shown,     // a status field, never sent
    };

    KryCmdWindow(const char* name, int width, int height);
    ~KryCmdWindow() override;

    void OnWindowCommand(int id, int value, int kind) override;
    static CommandRole RoleOf(int id);
    // The window's keys (window_keys.cpp): undo and redo, the view, snap, the clipboard, the
    // point table and the file commands' keys; the others go on to the application.
    void OnWindowKey(int key, int modifiers) override;
    // The Edit and View items' states, which the menu tables share between windows, made this
    // window's again; the point table follows the window.
    void OnWindowActivated() override;
    // The view's zoom in the status field after the specified ones; empty at zoom 1.
    void ShowZoom(double zoom) override;

    // Shows the drawing kind, enables the items that only the other kinds use and greys the prism
    // values that the kind does not use.
    void UpdateModeDisplay();
    // The cursor position in file units and the canvas's point and set counts.
    void UpdateStatus(double x, double y) override;
    // The rule a point under the cursor breaks, in the mode field; the mode comes back after.
    void ShowRuleBreak(const char* brief) override;

    // Reads a scene file into this window unless it already shows one; an empty name asks for
    // one. The caption shows `caption` when given, else the name.
    void OpenFile(const char* name, const char* caption = nullptr);
    // True when the window may close: no unsaved changes, or the user let them go or saved them.
    bool AskSaveChanges();
    void LoadSettings();
    void SaveSettings();
    // A modeless dialog must not outlive its window on screen, nor must the preview.
    void CloseOwnDialogs();
    // Takes a recovered drawing into this empty window, as an untitled drawing with unsaved
    // changes captioned after its file, and keeps its recovery copy at once
    // (recovery_commands.cpp). False, leaving the window empty, when it cannot be read.
    bool TakeRecovered(const RecoveryCopy& copy);
    // Opens the POV-Ray preview of the drawing, or brings it to the front
    // (preview_commands.cpp).
    void ShowPovrayPreview();
    // The drawing's name in the windows beside it: its file's name without the folder, or
    // "Untitled" and its kind.
    std::string DrawingName() const;
    // The file type the preview and the clipboard write the drawing as, by its name and the
    // file dialogs' last choice.
    int KindChoiceToWrite() const;
    // A change of the drawing made beside the canvas's gestures (the point table, a paste), as
    // one undo step; the change returns false when it did nothing. The drawing is shown anew
    // and counts as changed when it differs. True when it does.
    bool ChangeDrawing(const std::function<bool(KCanvasPane&)>& change);
    // The canvas and the counts shown anew; the point table follows, as it does every picture.
    void ShowDrawing();
    // The point table shows this window from now on (table_commands.cpp).
    void ShowInPointTable();
    // View > Point table is ticked while the table is open.
    void RefreshTableItem();
    // A picture dropped on the window becomes its background; a drawing opens in a window of
    // its own (background_commands.cpp).
    void OnWindowFileDropped(const char* path) override;
    // Reads the object of a POV-Ray scene or the outlines of an SVG document from the file into
    // this empty window, as Edit > Import... does, asking which object when the file holds
    // several (import_commands.cpp). False, with a notice, when nothing was imported.
    bool ImportFile(const std::string& path);
    // Takes the picture as the window's background, keeping its placement; false, with a
    // notice, when it cannot be read.
    bool TakeBackgroundPicture(const std::string& path);

    char fileName[FileNameSize];
    // POV-Ray's own pictures of the drawing, in a window beside the editor's.
    PreviewWindow preview;
    // The window's panes and dialogs, owned by ownedMenuPane and the members after it.
    vMenuPane* menuPane = nullptr;
    KCanvasPane* canvas = nullptr;
    vCommandPane* commandPane = nullptr;
    vCommandPane* statusPane = nullptr;
    KryDialog* prismDialog = nullptr;
    KScalModalDialog* shapeDialog = nullptr;
    RemsDialog* remarksDialog = nullptr;
    DrawingHistory history;
    // The drawing's recovery copy, while it has unsaved changes.
    RecoveryKeeper recovery;
    // The picture traced under the canvas, and the file it came from ("" none).
    BackgroundLayer background;
    std::string backgroundPicture;

private:
    // Command dispatch (command_dispatch.cpp).
    struct CommandHandler;
    static const CommandHandler* HandlerFor(int id);
    bool SelectModeFor(int id);
    void SelectMode(int mode, const char* text);
    void ShowEditMode();
    void HandPrismValues();
    void TakeDialogValues();
    void SwitchToPolygon();
    void SwitchToPrism();
    void SwitchToLathe();
    void SwitchToSor();
    void SwitchKind(int kind, const char* caption);
    void ShowPrismDialog();
    void CentreDrawing();
    void FlipDrawing();
    void ClearDrawing();
    void NewPolygonWindow();
    void NewPrismWindow();
    void NewLatheWindow();
    void NewSorWindow();
    void Repaint();
    static bool ClosedWithOk(vModalDialog& dialog);
    void ShowShapeDialog();
    void ShowRemarksDialog();
    void ShowHelp();
    void ShowAbout();

    // File commands (file_commands.cpp).
    void OpenCommand();
    void SaveCommand();
    void SaveAsCommand();
    void SaveUnderNewName(const char* prompt);
    // The reader's notice for the result, then the hint when there is one.
    void ShowFailedRead(int result, const std::string& hint);
    bool PickSaveName(const char* prompt);
    // Asks for a file to read with the file dialog; false when none was chosen.
    bool PickOpenName(const char* prompt, const char* const* filters, std::string& path);
    bool MayReplace(const char* chosen);
    bool MayLoseValues(const char* name);
    bool WriteDrawing();
    // A new file is about to be read: one whose rewrite was cut short says so, and may be
    // opened from its new bytes instead. True when the caller is to read it as it is.
    bool ReadDespiteTornRewrite(const char* name);

    // What the recovery copy holds now (recovery_commands.cpp).
    RecoveryKeeper::State RecoveryState(std::string& text) const;

    // The file on disk as this window last read or wrote it (changed_file_commands.cpp).
    enum class SaveTarget { OwnFile, NewName, Nowhere };
    // Where a save goes: the window's own file, unless another program changed it since and the
    // user chose another name or nothing at all; a new name for an untitled window.
    SaveTarget TargetOfSave();
    bool ChangedOnDisk() const;
    // The file as it is now becomes the one the window knows, and is watched.
    void RememberDiskFile();
    // A newly chosen name: the user already agreed to replace what it holds.
    void ForgetDiskFile();
    void StopWatchingDiskFile();
    // Offers to read the file again when it changed on disk since the window knew it.
    void OfferReload();
    void ReloadDrawing();

    // Undo and redo (undo_commands.cpp).
    void TravelHistory(bool back);
    void UndoCommand();
    void RedoCommand();
    // Undo and Redo greyed when there is nothing to undo or redo.
    void RefreshEditItems();

    // The View menu (view_commands.cpp).
    void ZoomInCommand();
    void ZoomOutCommand();
    void WholeDrawingCommand();
    void ActualSizeCommand();
    void KeepProportionsCommand();
    void SnapCommand();
    void GridSpacingCommand();
    // Edit > Convert spline: the dialog, then the conversion as one undo step, with its note.
    void ConvertSplineCommand();
    void PovrayCurvesCommand();
    // One check item's option turned over, in every window.
    void ToggleOption(bool CanvasOptions::*option);
    void ChangeOptions(const CanvasOptions& options);
    // The program's options on this window's canvas and its View items.
    void ApplyOptions();
    void NewWindowOfKind();

    // The clipboard (clipboard_commands.cpp).
    void CopyAsPovray();
    void PasteFromClipboard();
    // The read outlines added to the drawing as one undo step, with the kind and prism values
    // the text declares when takeKind; the importer's notes follow in one notice under the
    // heading. False, with a notice, when the drawing has no room for them.
    bool AddPasted(const PastedDrawing& pasted, bool takeKind, const char* heading);

    // Import (import_commands.cpp).
    void ImportCommand();

    // Select mode's keys and the node types (select_commands.cpp). True when the key was one
    // of Select mode's and the mode is on.
    bool SelectModeKey(int key, int modifiers);
    void SelectAllCommand();
    void ClearSelectionCommand();
    void DeleteSelectionCommand();
    void NudgeSelection(int stepsX, int stepsY);
    void CornerNodesCommand();
    void SmoothNodesCommand();
    void SymmetricNodesCommand();
    void SetNodeTypes(NodeType type);
    // The node type items are greyed outside Select mode.
    void RefreshSelectItems();

    // Edit > Transform... (transform_commands.cpp); the values last taken are offered again.
    void TransformCommand();
    TypedTransform lastTransform;

    // The point table (table_commands.cpp).
    void TogglePointTable();
    void TableFollows();
    // The preview's title follows the drawing's name and kind (preview_commands.cpp).
    void PreviewTitleFollows();

    // The picture to trace (background_commands.cpp).
    void ChooseBackground();
    // Asks for a picture and takes it as the background: true with its name.
    bool ChooseBackgroundFile(std::string& name);
    void PlaceBackground(const BackgroundPlacement& placement);
    void HideBackground();
    void RefreshBackgroundItems();
    void RemoveBackground();
    void ReadBackgroundSidecar();
    void WriteBackgroundSidecar();
    void RemoveBackgroundSidecar();

    // The guides (guide_commands.cpp): View > Guides..., and a guide dragged in Select mode,
    // remembered beside the drawing with its picture.
    void GuidesCommand();
    void GuidesMoved() override;
    // How far and which way a Select drag went, in the zoom's field.
    void ShowDragMeasure(double distance, double degrees) override;

    void ShowCounts();
    void Notify(const char* message);

    // Edit > Combine, Offset... and Wall... (outline_commands.cpp).
    // The result of a dialog's values, as they stand, on the drawing given.
    using PreviewedOperation = std::function<SetsResult(const Drawing& drawing)>;
    std::vector<int> SetsToOperateOn() const;
    void CombineUnion();
    void CombineDifference();
    void CombineIntersection();
    void CombineXor();
    void Combine(RegionOperation operation);
    void OffsetCommand();
    void WallCommand();
    bool RunPreviewed(vModalDialog& dialog, std::function<std::string()>& changed, int kind,
                      const PreviewedOperation& operation);
    bool TakeSetsResult(const SetsResult& result, int kind);
    // Edit > Trace picture... (trace_commands.cpp).
    void TracePictureCommand();
    // What the offset and wall dialogs last took, offered again.
    double offsetDistance = 0.1;
    double wallThickness = 0.1;
    // What the trace dialog last took, offered again.
    TraceValues traceValues;
    // Edit > Text... (text_commands.cpp), and what its dialog last took, offered again.
    void TextCommand();
    TextValues TextToOffer() const;
    SetsResult TextResult(const Drawing& drawing, int kind, const TextValues& values) const;
    std::optional<TextValues> lastText;

    std::optional<FileIdentity> diskFile;
    // The change last offered for reading again, so that it is offered once.
    FileIdentity toldDiskFile;
    // The watch says the file changed: it is looked at on the next activation.
    bool diskChangeNoted = false;
    int fileWatch = 0;
    std::string watchedName;

    // While the mode field shows a broken rule: the rule shown, and the text it replaced.
    std::string ruleShown;
    std::string modeText;

    // The panes and dialogs named above; the destructor lets them go in this order.
    std::unique_ptr<vMenuPane> ownedMenuPane;
    std::unique_ptr<KCanvasPane> ownedCanvas;
    std::unique_ptr<vCommandPane> ownedCommandPane;
    std::unique_ptr<vCommandPane> ownedStatusPane;
    std::unique_ptr<KryDialog> ownedPrismDialog;
    std::unique_ptr<KScalModalDialog> ownedShapeDialog;
    std::unique_ptr<RemsDialog> ownedRemarksDialog;
};
