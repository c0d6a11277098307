// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <QWidget>

#include <memory>

#include "core/branding.h"

class QCheckBox;
class QTextBrowser;

namespace tintora {

class RtfPartReader;
class SettingsStore;
class SkinProvider;

// `Form8`, "Readme/Help": shows the help file "Help.rtf" in a fixed window of
// 686 x 528 that stays on top of other windows and is kept out of the task
// bar. `rtf1` is a read-only rich-text view (web and mail links open in the
// system's browser or mail program, other links do nothing) that opens at
// the top of the text and has the keyboard focus, so that the arrow and
// page keys scroll it; Escape closes the window. `Check1` "Show at Startup"
// stores the user's choice as "1" or "0" under "Settings"/"showHelp" on
// every change of the box.
//
// The text is read and laid out as it is shown: the window opens with the
// start of the file read and the paragraphs that fill its first screen laid
// out; the rest of the file is read, then laid out, in parts on the turns of
// the event loop after that screen's first frame (or after Load when the
// window is not shown), and at once when a key or the wheel moves through
// the text first, so that a long help costs the first frame no more than a
// short one. Paragraphs not laid out yet are hidden blocks.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // `settings` and `skinOrNull` must outlive the window. `searchDirs` are
    // the folders to look for the help file in, in order (the program's
    // folder first). The window is skinned at Load when brand.skinEnabled is
    // set and a provider is given.
    HelpWindow(const BrandInfo& brand, SettingsStore& settings, QStringList searchDirs,
               SkinProvider* skinOrNull, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // The help window load; each step's failure is ignored and the next runs.
    //  1. Skins the window when skinning is on.
    //  2. Looks for "Help.rtf" (name matched without regard to case) in each
    //     search folder in order. None: returns false; the window stays
    //     hidden and the setting is not touched.
    //  3. Reads the first file found into rtf1. A file that the reader refuses
    //     leaves the design text "RichTextBox1" as the first paragraph and
    //     adds a second, greyed paragraph that tells why the help could not be
    //     shown; a file longer than the reader keeps ends with a greyed
    //     paragraph that says so. The view shows the top of the text; the
    //     file past its first screen is read, and laid out, once that has
    //     been painted (or on the next turns when the window is not shown).
    //  4. Keeps the window on top.
    //  5. Check1 := ticked when the stored "showHelp" (default "1") is "1",
    //     else cleared; when that changes the box, the change is stored too.
    // Returns true. The caller shows the window.
    bool Load();

    // The help file that the last Load showed or tried to show; "" before.
    const QString& helpFilePath() const { return helpFilePath_; }
    // Whether the whole text is laid out, not only its first screen.
    bool textComplete() const { return hiddenFrom_ < 0 && !reading_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StoreShowHelp(bool ticked);
    void ShowFromTop();
    void HideFrom(int position);
    void ShowPart(int chars, int paragraphs);
    void ShowBlocks(int from, int end);
    void KeepShapes(int from, int end);
    void FillFirstScreen();
    void ShowMoreText();
    void ReadMore(qsizetype bytes);
    int PartEndRead(int from, int chars, int paragraphs);

    BrandInfo brand_;
    SettingsStore& settings_;
    QStringList searchDirs_;
    SkinProvider* skin_;
    QString helpFilePath_;
    QTextBrowser* textView_;
    QCheckBox* showAtStartup_;
    // Where the paragraphs start that are still hidden from the layout; -1
    // when none is.
    int hiddenFrom_ = -1;
    // The help file's text still to be read; null once it all is.
    std::unique_ptr<RtfPartReader> reading_;
    bool showQueued_ = false;
    // Until the first screen is filled: its paragraphs keep their shaped
    // glyphs for the paint.
    bool firstScreen_ = false;
};

} // namespace tintora
