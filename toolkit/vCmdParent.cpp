#include "toolkit/vCmdParent.h"

#include <algorithm>

#include "toolkit/CommandIds.h"
#include "toolkit/platform/vControlHost.h"
#include "toolkit/platform/vWindowPlatform.h"
#include "toolkit/vApp.h"
#include "toolkit/vBoxedLabelCmd.h"
#include "toolkit/vButtonCmd.h"
#include "toolkit/vCheckBoxCmd.h"
#include "toolkit/vFrameCmd.h"
#include "toolkit/vLabelCmd.h"
#include "toolkit/vListCmd.h"
#include "toolkit/vRadioButtonCmd.h"
#include "toolkit/vTextCmd.h"
#include "toolkit/vTextInCmd.h"

namespace {

constexpr const char* kBadKindText = "?? Bad CommandObject ??";

// Stands in for a window that does not exist (yet): every change stays in the controls.
class NullControlHost : public vControlHost {
public:
    void SetItemText(int, const char*) override {}
    int ReadItemText(int, char* buffer, int length) override {
        if (buffer != nullptr && length > 0) {
            buffer[0] = '\0';
        }
        return 0;
    }
    void SetItemChecked(int, bool) override {}
    void SetItemEnabled(int, bool) override {}
    void SetItemVisible(int, bool) override {}
    void FocusItem(int) override {}
    void RepaintItem(int) override {}
    void SetItemList(int, const char* const*, int) override {}
    int ItemSelection(int) const override { return -1; }
    void SetItemPosition(int, int) override {}
    void AddTooltip(int, const char*) override {}
    void ResizeItem(int, int, int) override {}
    void SetCaption(const char*) override {}
    void ShowWindow() override {}
    int RunModal() override { return 0; }
    void EndModal(int) override {}
    void MoveTo(int, int) override {}
    void ScreenRect(int& x, int& y, int& width, int& height) const override {
        x = y = width = height = 0;
    }
    int ClientHeight() const override { return 0; }
    void SetPaneVisible(bool) override {}
    bool PaneVisible() const override { return false; }
    void PlacePane(int, int, int, int) override {}
    void ReturnFocus() override {}
};

NullControlHost nullHost;

// Without its description a dialog cannot work at all, so the program ends with 99.
void ReportTemplateFailure() {
    vApp::Warning("vDialog - Unable to build dialog template");
    if (theApp == nullptr || !theApp->Quitting()) {
        vWindowPlatform::Current().ExitEventLoop(99);
    }
}

}  // namespace

vCmdParent::vCmdParent(int layoutRole, int paneKind) : _role(layoutRole), _paneKind(paneKind) {
    if (_role == RoleStatusBar) {
        SetExtents(4, 4);
    }
}

vCmdParent::~vCmdParent() {
    _host.reset();
    for (vCmd* control : _controls) {
        delete control;
    }
}

void vCmdParent::OnControlCommand(int id, int value, int kind) {
    (void)id;
    (void)value;
    (void)kind;
}

vCmd* vCmdParent::CreateControl(ControlSpec* entry) {
    vCmd* control = nullptr;
    switch (entry->kind) {
        case CtlBlank:
        case CtlLabel:
        case CtlIconLabel:
        case CtlColorLabel:
            control = new vLabelCmd(this, entry);
            break;
        case CtlBoxedLabel:
            control = new vBoxedLabelCmd(this, entry);
            break;
        case CtlButton:
        case CtlIconButton:
        case CtlToggleButton:
        case CtlToggleIconButton:
        case CtlColorButton:
        case CtlProgressBar:
            control = new vButtonCmd(this, entry);
            break;
        case CtlCheckBox:
            control = new vCheckBoxCmd(this, entry);
            break;
        case CtlRadioButton:
            control = new vRadioButtonCmd(this, entry);
            break;
        case CtlFrame:
        case CtlToggleFrame:
            control = new vFrameCmd(this, entry);
            break;
        case CtlTextIn:
            control = new vTextInCmd(this, entry);
            break;
        case CtlText:
            control = new vTextCmd(this, entry);
            break;
        case CtlComboBox:
        case CtlListBox:
        case CtlSlider:
        case CtlSpinner:
            control = new vListCmd(this, entry);
            break;
        default:
            // The table still yields a visible control, and says what went wrong.
            entry->label = kBadKindText;
            control = new vLabelCmd(this, entry, CtlLabel);
            break;
    }
    control->BuildControl();
    return control;
}

bool vCmdParent::StartTemplate(unsigned style, int x, int y, const char* title) {
    if (_template.Start(style, x, y, title)) {
        return true;
    }
    ReportTemplateFailure();
    return false;
}

vCmd* vCmdParent::AddControl(ControlSpec* entry) {
    vCmd* control = CreateControl(entry);
    AdoptControl(control);
    return control;
}

void vCmdParent::AdoptControl(vCmd* control) {
    if (control != nullptr) {
        _controls.push_back(control);
    }
}

void vCmdParent::AddControlTable(ControlSpec* table) {
    for (ControlSpec* entry = table; entry != nullptr && entry->kind != CtlEnd; ++entry) {
        AddControl(entry);
    }
    FinishTemplate();
}

void vCmdParent::FinishTemplate() {
    _template.Finish(_maxX, _maxY);
}

void vCmdParent::SetExtents(int maxX, int maxY) {
    _maxX = maxX;
    _maxY = maxY;
}

vCmd* vCmdParent::FindControl(int id) const {
    for (auto it = _controls.rbegin(); it != _controls.rend(); ++it) {
        if ((*it)->Id() == id) {
            return *it;
        }
    }
    return nullptr;
}

vCmd* vCmdParent::FindItem(int item) const {
    if (item == 0) {
        return nullptr;
    }
    for (vCmd* control : _controls) {
        if (control->Item() == item) {
            return control;
        }
    }
    return nullptr;
}

vCmd* vCmdParent::FindFrame(int id) const {
    // Walking newest first, the last match wins: with two frames of one id the older one holds.
    vCmd* found = nullptr;
    for (auto it = _controls.rbegin(); it != _controls.rend(); ++it) {
        const int kind = (*it)->Kind();
        if ((*it)->Id() == id && (kind == CtlFrame || kind == CtlToggleFrame)) {
            found = *it;
        }
    }
    return found;
}

void vCmdParent::PlaceControl(vCmd& control, int w, int h, int& x, int& y) {
    const ControlSpec& entry = *control.Entry();
    int margin = 2;
    x = 2;
    y = 2;
    vCmd* frame = entry.insideFrame != 0 ? FindFrame(entry.insideFrame) : nullptr;
    if (frame != nullptr) {
        if ((frame->Attributes() & AttrTight) != 0) {
            margin = 0;
        }
        const int tightStep = margin == 0 ? 1 : 0;
        x = entry.rightOf != 0 ? margin : frame->X() + margin + tightStep;
        y = entry.below != 0 ? margin : frame->Y() + margin + tightStep;
    } else if (_role == RoleCommandBar) {
        x = _maxX + margin;
        y = margin;
    } else if (_role == RoleStatusBar) {
        x = _maxX + margin;
        y = margin + 1;
    }
    if (_role == RoleDialog || frame != nullptr) {
        if (entry.rightOf != 0) {
            if (const vCmd* left = FindControl(entry.rightOf)) {
                x += left->X() + left->Width();
            }
        }
        if (entry.below != 0) {
            if (const vCmd* above = FindControl(entry.below)) {
                y += above->Y() + above->Height();
            }
        }
    }
    _maxX = std::max(_maxX, x + w);
    _maxY = std::max(_maxY, y + h);
    if (frame != nullptr) {
        GrowFrame(*frame, x + w, y + h, margin);
    }
}

int vCmdParent::AddTemplateItem(const DialogItem& item) {
    return _template.AddItem(item);
}

void vCmdParent::GrowFrame(vCmd& frame, int right, int bottom, int margin) {
    GrowFrameBy(frame, right, bottom, margin, 0);
}

void vCmdParent::GrowFrameBy(vCmd& frame, int right, int bottom, int margin, int depth) {
    const int tightStep = margin == 0 ? 1 : 0;
    int width = frame.Width();
    int height = frame.Height();
    if (frame.X() + width < right + margin) {
        width = right + margin - frame.X() + tightStep;
    }
    if (frame.Y() + height < bottom + margin) {
        height = bottom + margin - frame.Y() + tightStep;
    }
    frame.SetSize(width, height);
    _maxX = std::max(_maxX, frame.X() + width);
    _maxY = std::max(_maxY, frame.Y() + height);
    if (DialogItem* item = _template.Item(frame.Item())) {
        item->cx = width;
        item->cy = height;
    }
    // Frames nest outward; a table whose frames contain each other in a circle must not make
    // this walk for ever.
    if (frame.InsideFrame() == 0 || depth >= static_cast<int>(_controls.size())) {
        return;
    }
    vCmd* outer = FindFrame(frame.InsideFrame());
    if (outer != nullptr && outer != &frame) {
        GrowFrameBy(*outer, frame.X() + width, frame.Y() + height, 2, depth + 1);
    }
}

int vCmdParent::GetControlValue(int id) {
    const vCmd* control = FindControl(id);
    return control != nullptr ? control->ControlValue(id) : 0;
}

int vCmdParent::GetControlText(int id, char* buffer, int length) {
    if (buffer == nullptr || length <= 0) {
        return 0;
    }
    buffer[0] = '\0';
    const vCmd* control = FindControl(id);
    if (control == nullptr || !control->ReadText(buffer, length)) {
        return 0;
    }
    return static_cast<int>(std::char_traits<char>::length(buffer));
}

void vCmdParent::SetControlValue(int id, int value, int aspect) {
    if (vCmd* control = FindControl(id)) {
        control->ChangeControl(value, aspect);
    }
}

void vCmdParent::SetControlText(int id, const char* text) {
    if (vCmd* control = FindControl(id)) {
        control->ChangeText(text);
    }
}

void vCmdParent::ShowFrameContents(int frameId, int on) {
    ShowFrameContentsBy(frameId, on, 0);
}

void vCmdParent::ShowFrameContentsBy(int frameId, int on, int depth) {
    for (vCmd* control : _controls) {
        if (control->InsideFrame() != frameId) {
            continue;
        }
        control->ChangeControl(on ? 0 : 1, AspectHidden);
        const int kind = control->Kind();
        // Frames inside frames pass the request on; a circle of frames stops after one lap.
        if ((kind == CtlFrame || kind == CtlToggleFrame) &&
            depth < static_cast<int>(_controls.size())) {
            ShowFrameContentsBy(control->Id(), on, depth + 1);
        }
    }
}

void vCmdParent::AttachHost(vControlHost* host) {
    _host.reset(host);
}

void vCmdParent::DestroyHost() {
    _host.reset();
}

vControlHost& vCmdParent::Host() const {
    if (_host != nullptr) {
        return *_host;
    }
    return nullHost;
}

void vCmdParent::InitControls() {
    for (auto it = _controls.rbegin(); it != _controls.rend(); ++it) {
        InitControl(**it);
    }
}

void vCmdParent::InitControl(vCmd& control) {
    control.InitText();
    control.InitValue();
    if (InDialog()) {
        if ((control.Attributes() & AttrMessage) != 0) {
            control.InitText();
        }
        if (control.TakesFocus()) {
            Host().FocusItem(control.Item());
        }
    }
    if ((control.Entry()->enabled & 1) == 0) {
        control.ChangeControl(0, AspectEnabled);
    }
    if ((control.Attributes() & AttrHidden) != 0) {
        control.ChangeControl(1, AspectHidden);
    }
    control.InitList();
    if (control.TakesNoInput(InDialog())) {
        Host().SetItemEnabled(control.Item(), false);
    }
    const char* tooltip = control.Entry()->tooltip;
    if (tooltip != nullptr && tooltip[0] != '\0') {
        Host().AddTooltip(control.Item(), tooltip);
    }
}

void vCmdParent::OnItemNotify(int item, int code) {
    if (!AcceptsInput() || code == NotifyFocusGained) {
        return;
    }
    if (vCmd* control = FindItem(item)) {
        control->OnControlNotify(control->Id(), code);
    }
}

void vCmdParent::OnCancelRequest() {
    if (!AcceptsInput()) {
        return;
    }
    if (vCmd* cancel = FindControl(IdCancel)) {
        cancel->OnControlNotify(IdCancel, NotifyClicked);
    }
}

void vCmdParent::OnItemPaint(int item, vItemPainter& painter) {
    if (vCmd* control = FindItem(item)) {
        control->DrawControl(painter);
    }
}
