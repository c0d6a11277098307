// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include <QString>

class QWidget;

namespace tintora {

// The skin the windows can wear when the branding switches skinning on. It
// stands behind the same calls the windows make of a skinning component:
// colour properties read by number, one call that skins a window's frame and
// background, and an engine that is started with the splash and told when
// the program ends.
//
// A provider may throw from any call; the callers below say where such an
// error is caught.
class SkinProvider
{
public:
    virtual ~SkinProvider() = default;

    // The colour property with this number, as a COLORREF (0x00BBGGRR, red in
    // the low byte): 2 -> c1 (background of buttons, text and list controls),
    // 3 -> c2 (text colour of text and list controls), 4 -> c3 (background of
    // picture boxes), 5 -> a fourth colour that the program reads and drops.
    virtual std::int32_t ColorProperty(int dispatchId) = 0;

    // Skins the window itself (its background and frame look).
    virtual void SkinWindow(QWidget* window) = 0;

    // Starts the skin engine (creating it on first use): the engine is handed
    // the provider's engine object and then told to run.
    virtual void EngineStart() = 0;

    // Tells the skin engine (created on first use) that the program ends.
    virtual void EngineEnd() = 0;
};

// The program's own provider: colours from a small built-in theme.
std::unique_ptr<SkinProvider> CreateDefaultSkinProvider();

// The kind name by which the colour table addresses a control. A dynamic
// property "tintoraKind" (text) on the widget wins over the class; otherwise
// QPushButton, QToolButton -> "CommandButton"; QLineEdit, QTextEdit (and so
// QTextBrowser), QPlainTextEdit -> "TextBox"; QComboBox -> "ComboBox";
// QListView (and so QListWidget) -> "ListBox"; QTreeView, QTableView ->
// "ListView"; QLabel -> "Label"; anything else -> its class name (for
// example "QCheckBox"). A null widget gives "".
QString ControlKindName(const QWidget* w);

// Colours every control inside `window` (all descendants) by kind name:
//   "CommandButton"                                    background c1
//   "TextBox", "ComboBox", "FileListBox", "DirListBox",
//   "DriveListBox", "ListBox", "ListView"              background c1, text c2
//   "PictureBox"                                       background c3
//   any other kind (labels, frames, check boxes, ...)  unchanged
// Colours are COLORREF values; only the low 24 bits count (a value with the
// high byte set is read as the colour of its low three bytes). Backgrounds go
// to QPalette::Button, Base and Window with autoFillBackground on; text to
// QPalette::Text and ButtonText. A null window does nothing.
void SkinControlColors(QWidget* window, std::int32_t c1, std::int32_t c2, std::int32_t c3);

// Skins one window: reads the colour properties 2, 3, 4 and 5 in that order
// (the fourth is dropped), colours the controls with the first three, then
// calls SkinWindow(window). Errors of the provider propagate to the caller.
void ApplySkin(QWidget* window, SkinProvider& skin);

// Puts a skin label (class SkinLabel, objectName "SkinLabel1", dynamic
// property "index") over every plain label (kind name "Label") of `window`:
// each new label is created in the plain label's container and takes, in this
// order, its top, left, height, width, font, caption and visibility. The plain
// labels stay where they are. With `templateContainer` set, only the labels
// whose container is that widget are replaced; with nullptr, all labels of the
// window. New indexes continue from the highest index of the SkinLabel1
// elements already in the window (the hidden template is element 0); the first
// new element is 1 when the window has none.
void ReplaceLabelsWithSkinLabels(QWidget* window, QWidget* templateContainer);

// The skin set-up of the splash: ApplySkin(splash), then EngineStart. Errors
// of ApplySkin propagate; errors of EngineStart are caught and ignored.
void SkinSplashStart(QWidget* splash, SkinProvider& skin);

// Tells the engine that the program ends (EngineEnd). Errors propagate.
void SkinProgramEnd(SkinProvider& skin);

// Runs one optional skin step (a call into a provider, which may throw). A
// step that throws is skipped: the program goes on without that part of the
// look, and stderr says which step failed and why. Returns true when the step
// ran to its end. Never throws.
bool RunOptionalSkinStep(const char* what, const std::function<void()>& step) noexcept;

} // namespace tintora
