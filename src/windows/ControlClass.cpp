// SPDX-License-Identifier: MIT
#include "ControlClass.h"

#include <commctrl.h>

namespace {

constexpr DWORD child = WS_CHILD | WS_CLIPSIBLINGS;

} // namespace

ControlClass controlClassOf(const ControlDesign &design)
{
    const DWORD shown = design.flags & ControlFlag::Hidden ? 0 : WS_VISIBLE;
    // The Tab key is the window's own, in the design's tab order; the stops are for the
    // dialog manager's other uses, such as where the focus goes back to.
    const DWORD stop = takesFocus(design.kind) ? WS_TABSTOP : 0;
    const DWORD base = child | shown | stop;
    switch (design.kind) {
    case ControlKind::Frame:
        // A container: the dialog manager walks into it for Tab and the arrow keys.
        return {WC_BUTTONW, base | BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Label:
        return {WC_STATICW,
                base | SS_NOPREFIX
                    | (design.flags & ControlFlag::WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP),
                0};
    case ControlKind::TextBox:
        return {WC_EDITW,
                base | ES_AUTOHSCROLL | (design.flags & ControlFlag::Locked ? ES_READONLY : 0),
                WS_EX_CLIENTEDGE};
    case ControlKind::OptionButton:
        return {WC_BUTTONW, base | BS_RADIOBUTTON, 0};
    case ControlKind::CheckBox:
        return {WC_BUTTONW, base | BS_3STATE, 0};
    case ControlKind::ListBox:
        return {WC_LISTBOXW, base | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXW, base | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    case ControlKind::CommandButton:
        return {WC_BUTTONW,
                base | (design.flags & ControlFlag::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ControlKind::DriveList:
        return {WC_COMBOBOXW, base | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case ControlKind::FolderList:
        return {WC_LISTBOXW,
                base | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA
                    | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::Image:
        return {WC_STATICW, base | SS_OWNERDRAW, 0};
    }
    return {WC_STATICW, base, 0};
}
