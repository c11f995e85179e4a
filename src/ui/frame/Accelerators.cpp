#include "ui/frame/Accelerators.h"

#include "ui/common/CommandIds.h"

namespace tavoro::ui {

namespace {

constexpr Accelerator kAccelerators[] = {
    {kCmdNew, "Ctrl+N"},
    {kCmdOpen, "Ctrl+O"},
    {kCmdSave, "Ctrl+S"},
    {kCmdFind, "Ctrl+F"},
    {kCmdPaste, "Ctrl+V"},
    {kCmdPaste, "Shift+Ins"},
    {kCmdRefresh, "F5"},
    {kCmdCopy, "Ctrl+C"},
    {kCmdCopy, "Ctrl+Ins"},
    {kCmdCut, "Ctrl+X"},
    {kCmdCut, "Shift+Del"},
    {kCmdUndo, "Ctrl+Z"},
    {kCmdUndo, "Alt+Backspace"},
    {kCmdRedo, "Ctrl+Shift+Z"},
    {kCmdRedo, "Ctrl+Y"},
    {kCmdPrint, "Ctrl+P"},
    {kCmdNextPane, "F6"},
    {kCmdPreviousPane, "Shift+F6"},
};

}  // namespace

std::span<const Accelerator> mainFrameAccelerators() { return kAccelerators; }

}  // namespace tavoro::ui
