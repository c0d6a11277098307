// SPDX-License-Identifier: MIT
#include "shell/windows/help_window.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>

#include <algorithm>
#include <limits>

#include "platform/settings_store.h"
#include "platform/window_helpers.h"
#include "shell/rtf/rtf_reader.h"
#include "shell/windows/file_exists.h"
#include "shell/windows/on_top.h"
#include "shell/windows/readable_colors.h"
#include "shell/windows/skin.h"

namespace tintora {

namespace {

const QString kSection = QStringLiteral("Settings");
const QString kShowHelpKey = QStringLiteral("showHelp");
const QString kHelpFileName = QStringLiteral("Help.rtf");

QFont DesignTextFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.5);
    return font;
}

// Adds a greyed paragraph at the end of the text that tells the reader of
// the window about the help file itself.
void AppendNote(QTextDocument& doc, const QString& text)
{
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat note;
    note.setForeground(QColor(110, 110, 110));
    note.setFontItalic(true);
    cursor.insertBlock(QTextBlockFormat(), note);
    cursor.insertText(text, note);
}

// What Load leaves to the layout: less than the first screen holds. When
// the window shows, and the view knows its width, paragraphs are added one
// at a time until the screen is full.
constexpr int kStartParagraphs = 10;
constexpr int kStartChars = 800;
// What each later turn of the event loop lays out: a few million
// instructions.
constexpr int kPartParagraphs = 40;
constexpr int kPartChars = 3000;
// The RTF read at a time: a part on each turn of the event loop, and short
// steps when a screen needs more text than is read. Reading costs about
// 400 instructions a byte. The steps stay short over the first part's worth
// of bytes, so that a screen reads little past its end: a table read past
// it is laid out while hidden (millions of instructions for a few rows),
// and again when it is shown.
constexpr qsizetype kPartReadBytes = qsizetype{4} * 1024;
constexpr qsizetype kStepReadBytes = 512;

QString TruncatedNote(const QString& fileName)
{
    return HelpWindow::tr(
               "The help file %1 holds more than this window can show; the rest of it is left out.")
        .arg(fileName);
}

bool InMainText(const QTextBlock& block)
{
    return QTextCursor(block).currentFrame() == block.document()->rootFrame();
}

// Where a part of `doc` that starts at `from` ends once it holds `chars`
// characters or `paragraphs` paragraphs: at the start of a paragraph of the
// main text, never inside a table. -1 when the piece runs to the end.
int PartEnd(const QTextDocument& doc, int from, int chars, int paragraphs)
{
    int count = 0;
    for (QTextBlock block = doc.findBlock(from); block.isValid(); block = block.next(), ++count) {
        const bool full = block.position() - from >= chars || count >= paragraphs;
        if (block.position() > from && full && InMainText(block) && InMainText(block.previous()))
            return block.position();
    }
    return -1;
}

// The start of the last paragraph of `doc` after `from` where a part may
// end (see PartEnd); -1 when there is none.
int LastPartBoundary(const QTextDocument& doc, int from)
{
    int last = -1;
    for (QTextBlock block = doc.findBlock(from); block.isValid(); block = block.next())
        if (block.position() > from && InMainText(block) && InMainText(block.previous()))
            last = block.position();
    return last;
}

QString RefusalNote(const QString& fileName, const QString& reason)
{
    QString text = HelpWindow::tr("The help file %1 could not be shown").arg(fileName);
    return text + (reason.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + reason + u'.');
}

} // namespace

HelpWindow::HelpWindow(const BrandInfo& brand, SettingsStore& settings, QStringList searchDirs,
                       SkinProvider* skinOrNull, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      brand_(brand), settings_(settings), searchDirs_(std::move(searchDirs)), skin_(skinOrNull),
      textView_(new QTextBrowser(this)), showAtStartup_(new QCheckBox(this))
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Readme/Help"));
    setFixedSize(686, 528);

    textView_->setObjectName(QStringLiteral("rtf1"));
    textView_->setGeometry(0, 0, 685, 501);
    textView_->setReadOnly(true);
    // Links leave the help for the system's browser; other addresses (local
    // files, relative names) are ignored so that the help text stays shown.
    textView_->setOpenLinks(false);
    connect(textView_, &QTextBrowser::anchorClicked, this, [](const QUrl& url) {
        static const QStringList webSchemes = {QStringLiteral("http"), QStringLiteral("https"),
                                               QStringLiteral("mailto")};
        if (webSchemes.contains(url.scheme(), Qt::CaseInsensitive))
            QDesktopServices::openUrl(url);
    });
    textView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textView_->document()->setDefaultFont(DesignTextFont());
    // not translated: the control's design name, replaced by the help text
    textView_->setPlainText(QStringLiteral("RichTextBox1"));
    textView_->setPalette(DocumentPagePalette(*textView_->document(), palette()));

    showAtStartup_->setObjectName(QStringLiteral("Check1"));
    showAtStartup_->setText(tr("Show at Startup"));
    // Designed 133 x 17 at (4, 508), which clips its text in most fonts: it
    // takes the size its text needs in the font in use, at its designed
    // place while it fits in the window, else raised until it does; the text
    // above gives way only when the box would reach into it.
    const QSize need = showAtStartup_->sizeHint().expandedTo(QSize(133, 17));
    const int boxTop = std::min(508, height() - need.height());
    showAtStartup_->setGeometry(4, boxTop, need.width(), need.height());
    textView_->setFixedHeight(std::min(501, boxTop - 4));
    connect(showAtStartup_, &QCheckBox::toggled, this, &HelpWindow::StoreShowHelp);

    // Keys scroll the text from the moment the window opens.
    setFocusProxy(textView_);
    textView_->installEventFilter(this);
    textView_->viewport()->installEventFilter(this);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    CentreOnScreen(this);
}

HelpWindow::~HelpWindow() = default;

bool HelpWindow::Load()
{
    if (brand_.skinEnabled && skin_ != nullptr)
        RunOptionalSkinStep(QT_TRANSLATE_NOOP("Skin", "skinning the help window"),
                            [this] { ApplySkin(this, *skin_); });

    QString found;
    for (const QString& dir : searchDirs_) {
        if (dir.isEmpty())
            continue;
        found = FindNormalFile(QDir(dir).filePath(kHelpFileName));
        if (!found.isEmpty())
            break;
    }
    if (found.isEmpty())
        return false;
    helpFilePath_ = found;

    QTextDocument& doc = *textView_->document();
    // Without a page size the document is not laid out while it is read;
    // the window gives it one when it shows.
    doc.setPageSize(QSizeF(0, 0));
    hiddenFrom_ = -1;
    reading_.reset();
    firstScreen_ = true;
    QByteArray bytes;
    RtfResult read = ReadRtfFileBytes(found, bytes);
    if (read.ok) {
        reading_ = std::make_unique<RtfPartReader>(bytes, doc);
        read = reading_->result();
    }
    if (!read.ok) {
        reading_.reset();
        AppendNote(doc, RefusalNote(FileNamePart(found), read.message));
    }
    // The start of the text now, read only as far as it needs (the window's
    // first layout lays out all that is read, hidden or not), the rest once
    // the first screen is painted.
    if (read.ok)
        HideFrom(PartEndRead(0, kStartChars, kStartParagraphs));
    KeepShapes(0, hiddenFrom_);
    // The writer's colours stay legible on the page they were chosen for.
    textView_->setPalette(DocumentPagePalette(doc, palette()));
    // Not shown, nothing is painted: the rest is read on the next turn.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible() && !showQueued_)
            ShowMoreText();
    });
    if (isVisible()) {
        // Read again while open: there is no first frame to wait for.
        FillFirstScreen();
        ShowMoreText();
    }
    ShowFromTop();

    SetOnTop(this, true);

    const QString stored = settings_.GetSetting(kSection, kShowHelpKey, QStringLiteral("1"));
    showAtStartup_->setChecked(stored == QLatin1String("1"));
    return true;
}

void HelpWindow::HideFrom(int position)
{
    // Hidden paragraphs take no room and are not laid out; their text is in
    // the document all the same.
    hiddenFrom_ = position;
    if (position < 0)
        return;
    for (QTextBlock block = textView_->document()->findBlock(position); block.isValid(); block = block.next())
        block.setVisible(false);
}

void HelpWindow::ShowBlocks(int from, int end)
{
    QTextDocument& doc = *textView_->document();
    KeepShapes(from, end);
    const QTextBlock stop = end < 0 ? QTextBlock() : doc.findBlock(end);
    for (QTextBlock block = doc.findBlock(from); block.isValid() && block != stop; block = block.next())
        block.setVisible(true);
    hiddenFrom_ = end;
}

void HelpWindow::KeepShapes(int from, int end)
{
    // A layout drops the glyphs it shaped unless asked to keep them, and
    // the paint then shapes every line again: on the first screen, where
    // the window's first frame waits for both, they are kept.
    if (!firstScreen_)
        return;
    QTextDocument& doc = *textView_->document();
    const QTextBlock stop = end < 0 ? QTextBlock() : doc.findBlock(end);
    for (QTextBlock block = doc.findBlock(from); block.isValid() && block != stop; block = block.next())
        block.layout()->setCacheEnabled(true);
}

void HelpWindow::ShowPart(int chars, int paragraphs)
{
    QTextDocument& doc = *textView_->document();
    const int from = hiddenFrom_;
    if (reading_ && !doc.pageSize().isNull() && PartEnd(doc, from, chars, paragraphs) < 0) {
        // The stretch to show reaches past what is read, and what is read
        // is laid out as it is added. Its paragraphs already read show now;
        // the rest show in the same edit as their reading, so that the layout
        // meets them once, shown, rather than hidden and then again shown.
        if (const int read = LastPartBoundary(doc, from); read > from) {
            ShowBlocks(from, read);
            doc.markContentsDirty(from, read - from);
        }
        QTextCursor edit(&doc);
        edit.beginEditBlock();
        const int shownTo = hiddenFrom_;
        ShowBlocks(shownTo, PartEndRead(from, chars, paragraphs));
        // Inside the edit, so that the reading is not laid out a second
        // time when it ends.
        doc.markContentsDirty(shownTo, (hiddenFrom_ < 0 ? doc.characterCount() : hiddenFrom_) - shownTo);
        edit.endEditBlock();
        return;
    }
    const int end = PartEndRead(from, chars, paragraphs);
    ShowBlocks(from, end);
    doc.markContentsDirty(from, (end < 0 ? doc.characterCount() : end) - from);
}

void HelpWindow::FillFirstScreen()
{
    QTextDocument& doc = *textView_->document();
    if (doc.pageSize().isNull())
        doc.setPageSize(QSizeF(textView_->viewport()->width(), -1));
    while (hiddenFrom_ >= 0 && doc.size().height() <= textView_->viewport()->height())
        ShowPart(1, 1);
    firstScreen_ = false;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (hiddenFrom_ < 0)
        return QWidget::eventFilter(watched, event);
    // The first screen is painted: the rest follows on later turns.
    if (watched == textView_->viewport() && event->type() == QEvent::Paint && !showQueued_) {
        showQueued_ = true;
        QTimer::singleShot(0, this, &HelpWindow::ShowMoreText);
    }
    // A key or the wheel moves through the whole text: lay out the rest
    // before it does, so that a page down is a page down.
    if ((watched == textView_ && event->type() == QEvent::KeyPress) ||
        (watched == textView_->viewport() && event->type() == QEvent::Wheel))
        ShowPart(std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::ShowMoreText()
{
    showQueued_ = false;
    firstScreen_ = false;
    if (reading_)
        ReadMore(kPartReadBytes);
    else if (hiddenFrom_ >= 0)
        ShowPart(kPartChars, kPartParagraphs);
    if (!textComplete()) {
        showQueued_ = true;
        QTimer::singleShot(0, this, &HelpWindow::ShowMoreText);
    }
}

void HelpWindow::ReadMore(qsizetype bytes)
{
    if (!reading_)
        return;
    QTextDocument& doc = *textView_->document();
    // One change for the layout, when the edit ends, with what was added
    // hidden already.
    QTextCursor edit(&doc);
    const bool laidOut = !doc.pageSize().isNull();
    if (laidOut)
        edit.beginEditBlock();
    const int grownFrom = doc.lastBlock().position();
    if (reading_->ReadMore(bytes)) {
        const bool truncated = reading_->result().truncated;
        reading_.reset();
        if (truncated)
            AppendNote(doc, TruncatedNote(FileNamePart(helpFilePath_)));
        textView_->setPalette(DocumentPagePalette(doc, palette()));
    }
    // What was added, and the last paragraph, which grew, join the hidden.
    if (hiddenFrom_ >= 0)
        for (QTextBlock block = doc.findBlock(std::max(hiddenFrom_, grownFrom)); block.isValid();
             block = block.next())
            block.setVisible(false);
    if (laidOut)
        edit.endEditBlock();
}

int HelpWindow::PartEndRead(int from, int chars, int paragraphs)
{
    // The last paragraph read may still grow: a part that reaches it waits
    // for the whole text.
    const QTextDocument& doc = *textView_->document();
    int end = PartEnd(doc, from, chars, paragraphs);
    // Steps grow once past a part's worth, so that a long paragraph is read
    // in few of them.
    qsizetype read = 0;
    for (qsizetype step = kStepReadBytes; reading_ && end < 0;
         step = read < kPartReadBytes ? step : std::min(2 * step, 64 * kPartReadBytes)) {
        ReadMore(step);
        read += step;
        end = PartEnd(doc, from, chars, paragraphs);
    }
    return end;
}

void HelpWindow::ShowFromTop()
{
    // Reading leaves the view's cursor at the end of the text, and the view
    // keeps its cursor in sight: put it at the start, and the view there.
    textView_->moveCursor(QTextCursor::Start);
    textView_->verticalScrollBar()->setValue(0);
    textView_->horizontalScrollBar()->setValue(0);
}

void HelpWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Each opening starts at the top; a window that the system restores
    // keeps its place.
    if (!event->spontaneous()) {
        // The view has its size now: the first frame shows a full screen.
        FillFirstScreen();
        ShowFromTop();
        textView_->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void HelpWindow::StoreShowHelp(bool ticked)
{
    settings_.SaveSetting(kSection, kShowHelpKey, ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tintora
