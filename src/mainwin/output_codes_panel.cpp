// SPDX-License-Identifier: MIT
#include "mainwin/output_codes_panel.h"

#include "mainwin/classic_field_style.h"
#include "mainwin/copy_as_menu.h"
#include "mainwin/entry_fields.h"
#include "platform/clipboard_writer.h"
#include "platform/window_helpers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace tintora {

// The four shown codes, each with its Copy button, in the window's Tab
// order: the design numbers the buttons 0, 2 (first row) and 1, 3.
struct OutputCodesPanel::CodeRow {
    int output = 0;                            // txtColor(output)
    EntrySource source = EntrySource::RgbCode; // how it reads digits
    int button = 0;                            // cmdCopy(button)
    QRect fieldRect;
    QRect buttonRect;
};

namespace {

using CodeRow = OutputCodesPanel::CodeRow;
constexpr CodeRow CodeRows[] = {
    {2, EntrySource::RgbCode, 0, {4, 28, 167, 19}, {176, 24, 53, 21}},
    {3, EntrySource::DecimalCode, 2, {240, 28, 167, 19}, {412, 24, 57, 21}},
    {4, EntrySource::HtmlCode, 1, {4, 60, 167, 19}, {176, 56, 53, 21}},
    {5, EntrySource::VbHexCode, 3, {240, 60, 167, 19}, {412, 60, 57, 21}},
};

const CodeRow* RowOfButton(int button)
{
    for (const CodeRow& row : CodeRows)
        if (row.button == button)
            return &row;
    return nullptr;
}

} // namespace

OutputCodesPanel::OutputCodesPanel(QWidget* parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Frame4"));
    setTitle(tr("Color Outputs"));
    setAccessibleName(tr("Color Outputs"));
    // Group boxes paint their own background, so nothing drawn on the
    // surface beneath shows through.
    setAutoFillBackground(true);
    entries_ = new EntryFields(this, [this](QLineEdit* f) { return read(f); });
    connect(entries_, &EntryFields::reverted, this, [this] { emit message(QString()); });

    auto caption = [this](int i, QRect r, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QStringLiteral("lblCap%1").arg(i));
        l->setGeometry(r);
        captions_[static_cast<std::size_t>(i)] = l;
        return l;
    };
    auto makeField = [this](int output, QRect r) {
        auto* f = new QLineEdit(this);
        f->setObjectName(QStringLiteral("txtColor%1").arg(output));
        f->setGeometry(r);
        const std::string_view design = DesignOutputTexts[static_cast<std::size_t>(output)];
        f->setText(QString::fromUtf8(design.data(), static_cast<qsizetype>(design.size())));
        f->setFont(VerdanaFont(8.25, false));
        f->setAlignment(Qt::AlignCenter);
        fields_[static_cast<std::size_t>(output)] = f;
        return f;
    };
    const QString names[] = {tr("QBColor Code:"), tr("RGB Color Code:"), tr("Decimal Color Code:"),
                             tr("HTML Color Code:"), tr("VB Hex Color Code:")};
    const QString copyNames[] = {tr("Copy QBColor code"), tr("Copy RGB code"), tr("Copy decimal code"),
                                 tr("Copy HTML code"), tr("Copy VB hex code")};
    caption(1, {4, 16, 103, 13}, names[1]);
    caption(2, {240, 16, 130, 13}, names[2]);
    caption(3, {4, 48, 112, 13}, names[3]);
    caption(4, {240, 48, 123, 13}, names[4]);
    for (const CodeRow& row : CodeRows) {
        QLineEdit* f = makeField(row.output, row.fieldRect);
        f->setAccessibleName(names[row.output - 1]);
        auto* b = new QPushButton(tr("Copy"), this);
        b->setObjectName(QStringLiteral("cmdCopy%1").arg(row.button));
        b->setGeometry(row.buttonRect);
        b->setAutoDefault(false);
        b->setAccessibleName(copyNames[row.output - 1]);
        copyButtons_[static_cast<std::size_t>(row.button)] = b;
        connect(b, &QPushButton::clicked, this, [this, button = row.button] { copyOutput(button); });
        // "Copy as" on the button's menu and, below the text field's own
        // entries, on the field's.
        b->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            b, &QWidget::customContextMenuRequested, this,
            [this, b, output = row.output](const QPoint& p) { showCopyAsMenu(output, b->mapToGlobal(p)); });
        f->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(
            f, &QWidget::customContextMenuRequested, this, [this, f, output = row.output](const QPoint& p) {
                QMenu* menu = f->createStandardContextMenu();
                menu->setAttribute(Qt::WA_DeleteOnClose);
                // The field's own "Copy" (the entry with Ctrl+C beside it) writes
                // through the panel too.
                const QString copyKey = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
                for (QAction* a : menu->actions()) {
                    if (!copyKey.isEmpty() && a->text().section(QLatin1Char('\t'), 1) == copyKey) {
                        a->setObjectName(QStringLiteral("edit-copy"));
                        disconnect(a, &QAction::triggered, nullptr, nullptr);
                        connect(a, &QAction::triggered, this, [this, f] { copyText(f->selectedText()); });
                    }
                }
                menu->addSeparator();
                QAction* copyAs = menu->addAction(tr("Copy as..."));
                connect(copyAs, &QAction::triggered, this, [this, f, output] {
                    showCopyAsMenu(output, f->mapToGlobal(f->rect().bottomLeft()));
                });
                menu->popup(f->mapToGlobal(p));
            });
        entries_->add(f);
    }
    // The QBColor code exists but is never shown, nor are the named
    // constant and the two system-colour codes.
    caption(0, {88, 32, 70, 13}, names[0])->hide();
    makeField(1, {60, 28, 107, 19})->hide();
    for (int hidden : {0, 6, 7})
        makeField(hidden, {0, 0, 100, 19})->hide();
    const QString hiddenNames[] = {tr("VB colour constant"), tr("QBColor Code"), tr("System colour name"),
                                   tr("System colour constant")};
    const int hiddenFields[] = {0, 1, 6, 7};
    for (int i = 0; i < 4; ++i)
        fields_[static_cast<std::size_t>(hiddenFields[i])]->setAccessibleName(hiddenNames[i]);
}

void OutputCodesPanel::setSettings(SettingsStore& settings)
{
    delete copyAsMenu_;
    copyAsMenu_ = new CopyAsMenu(settings, this);
    copyAsMenu_->setWriter([this](const QString& text) { copyText(text); });
}

const OutputCodesPanel::CodeRow* OutputCodesPanel::rowOf(const QObject* o) const
{
    for (const CodeRow& row : CodeRows)
        if (o == fields_[static_cast<std::size_t>(row.output)])
            return &row;
    return nullptr;
}

void OutputCodesPanel::showOutputs(const ColorOutputs& outputs, Rgb rgb)
{
    shown_ = rgb;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QLineEdit* f = fields_[i];
        const QString t = QString::fromStdString(outputs.text[i]);
        if (entries_->contains(f))
            entries_->write(f, t);
        else
            ShowText(f, t);
        if (f->isEnabled() != outputs.enabled[i])
            f->setEnabled(outputs.enabled[i]);
    }
}

bool OutputCodesPanel::settlePendingEdits()
{
    return entries_->settleAll();
}

bool OutputCodesPanel::read(QLineEdit* f)
{
    const CodeRow* row = rowOf(f);
    if (!row)
        return true;
    const EntryReading reading = ReadColorEntry(row->source, f->text());
    // Refused text is framed red with the reason in the window's message
    // line: nothing pops up over the next control to eat a click.
    MarkRefused(f, reading.reason);
    if (reading.color)
        emit colorEntered(*reading.color);
    emit message(reading.color ? reading.note : reading.reason);
    return reading.color.has_value();
}

void OutputCodesPanel::copyOutput(int button)
{
    const CodeRow* row = RowOfButton(button);
    if (!row)
        return;
    if (QApplication::keyboardModifiers() & Qt::ShiftModifier) {
        QPushButton* b = copyButtons_[static_cast<std::size_t>(button)];
        showCopyAsMenu(row->output, b->mapToGlobal(b->rect().bottomLeft()));
        return;
    }
    QLineEdit* f = field(row->output);
    if (entries_->settle(f))
        copyText(f->text());
}

void OutputCodesPanel::showCopyAsMenu(int output, const QPoint& globalPos)
{
    if (!copyAsMenu_ || !entries_->settle(field(output)))
        return;
    // Every code field offers the notations of the colour the codes show.
    copyAsMenu_->setColor(shown_);
    copyAsMenu_->popup(globalPos);
}

void OutputCodesPanel::copyText(const QString& text)
{
    if (text.isEmpty())
        return;
    ClipboardWriter::Write(text);
    emit copied(text);
}

bool OutputCodesPanel::copyWholeCode(QLineEdit* field)
{
    if (!entries_->contains(field))
        return false;
    if (entries_->settle(field))
        copyText(field->text());
    return true;
}

} // namespace tintora
