#include "shell/windows/help_window.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QKeySequence>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>

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

QString RefusalNote(const QString& fileName, const QString& reason)
{
    QString text = QStringLiteral("The help file %1 could not be shown").arg(fileName);
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
    setWindowTitle(QStringLiteral("Readme/Help"));
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
    textView_->setPlainText(QStringLiteral("RichTextBox1"));
    textView_->setPalette(DocumentPagePalette(*textView_->document(), palette()));

    showAtStartup_->setObjectName(QStringLiteral("Check1"));
    showAtStartup_->setText(QStringLiteral("Show at Startup"));
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
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    CentreOnScreen(this);
}

bool HelpWindow::Load()
{
    if (brand_.skinEnabled && skin_ != nullptr) {
        RunOptionalSkinStep("skinning the help window", [this] { ApplySkin(this, *skin_); });
    }

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
    const RtfResult read = ReadRtfFile(found, doc);
    if (!read.ok)
        AppendNote(doc, RefusalNote(FileNamePart(found), read.message));
    else if (read.truncated)
        AppendNote(doc,
                   QStringLiteral("The help file %1 holds more than this window can show; the rest of it "
                                  "is left out.")
                       .arg(FileNamePart(found)));
    // The writer's colours stay legible on the page they were chosen for.
    textView_->setPalette(DocumentPagePalette(doc, palette()));
    ShowFromTop();

    SetOnTop(this, true);

    const QString stored = settings_.GetSetting(kSection, kShowHelpKey, QStringLiteral("1"));
    showAtStartup_->setChecked(stored == QLatin1String("1"));
    return true;
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
        ShowFromTop();
        textView_->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void HelpWindow::StoreShowHelp(bool ticked)
{
    settings_.SaveSetting(kSection, kShowHelpKey, ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace tintora
