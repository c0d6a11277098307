// SPDX-License-Identifier: MIT
#include "mainwin/copy_as_menu.h"

#include "core/color_formats.h"
#include "platform/clipboard_writer.h"
#include "platform/settings_store.h"
#include "surface/core_message.h"

#include <QAction>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tintora {

namespace {

const QString Section = QString::fromLatin1(CopyTemplatesLimit.section);
const QString Key = QString::fromLatin1(CopyTemplatesLimit.key);

// Menu texts treat "&" as a mnemonic marker; codes such as "&H00FFFF&" must
// show as they are.
QString Escaped(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

CopyAsMenu::CopyAsMenu(SettingsStore& settings, QWidget* parent) : QMenu(parent), settings_(settings)
{
    setObjectName(QStringLiteral("mnuCopyAs"));
    setTitle(tr("Copy as"));
    rebuild();
}

void CopyAsMenu::setColor(Rgb rgb)
{
    color_ = rgb;
    rebuild();
}

QStringList CopyAsMenu::templates() const
{
    const QString stored = settings_.GetSetting(Section, Key, QString());
    return stored.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool CopyAsMenu::addTemplate(const QString& templ, QString* error)
{
    const Message problem = ColorTemplateProblem(templ.toStdString());
    QStringList list = templates();
    if (!problem.empty()) {
        *error = TranslatedMessage(problem);
        return false;
    }
    if (list.contains(templ)) {
        *error = tr("This template is already in the menu.");
        return false;
    }
    if (list.size() >= MaxTemplates) {
        *error = tr("The menu holds at most %1 templates.").arg(MaxTemplates);
        return false;
    }
    list << templ;
    settings_.SaveSetting(Section, Key, list.join(QLatin1Char('\n')));
    rebuild();
    return true;
}

bool CopyAsMenu::removeTemplate(const QString& templ)
{
    QStringList list = templates();
    if (!list.removeOne(templ))
        return false;
    settings_.SaveSetting(Section, Key, list.join(QLatin1Char('\n')));
    rebuild();
    return true;
}

void CopyAsMenu::addCopyEntry(const QString& text, const QString& label, const QString& objectName)
{
    // The code first, what it is after the tab (shown right-aligned).
    QAction* action = addAction(Escaped(text) + QLatin1Char('\t') + Escaped(label));
    action->setObjectName(objectName);
    action->setData(text);
    connect(action, &QAction::triggered, this, [this, text] {
        if (write_)
            write_(text);
        else
            ClipboardWriter::Write(text);
        emit copied(text);
    });
}

void CopyAsMenu::rebuild()
{
    clear();
    if (removeMenu_) {
        // Later: rebuild may run from one of its own entries.
        removeMenu_->setObjectName(QString());
        removeMenu_->deleteLater();
        removeMenu_ = nullptr;
    }
    for (const ColorFormat& f : ColorFormats()) {
        const std::optional<std::string> text = FormatColor(color_, f.id);
        if (text) {
            addCopyEntry(QString::fromStdString(*text),
                         // The labels are literals, so their data ends in a NUL.
                         QCoreApplication::translate("ColorFormat", f.label.data()),
                         QStringLiteral("copyAs_") +
                             QString::fromLatin1(f.id.data(), static_cast<qsizetype>(f.id.size())));
        }
    }
    const QStringList list = templates();
    if (!list.isEmpty())
        addSeparator();
    for (int i = 0; i < list.size(); ++i) {
        const FormattedColor out = ExpandColorTemplate(list[i].toStdString(), color_);
        if (out.text) {
            addCopyEntry(QString::fromStdString(*out.text), list[i],
                         QStringLiteral("copyAsTemplate%1").arg(i));
        } else {
            QAction* bad = addAction(Escaped(list[i]) + QLatin1Char('\t') + tr("(not usable)"));
            bad->setObjectName(QStringLiteral("copyAsTemplate%1").arg(i));
            bad->setToolTip(TranslatedMessage(out.message));
            bad->setEnabled(false);
        }
    }
    addSeparator();
    QAction* add = addAction(tr("Add Template..."));
    add->setObjectName(QStringLiteral("copyAsAddTemplate"));
    connect(add, &QAction::triggered, this, &CopyAsMenu::askForTemplate);
    if (!list.isEmpty()) {
        removeMenu_ = addMenu(tr("Remove Template"));
        removeMenu_->setObjectName(QStringLiteral("mnuRemoveTemplate"));
        for (const QString& templ : list) {
            QAction* entry = removeMenu_->addAction(Escaped(templ));
            // Queued: the menu that holds the entry is rebuilt by the removal.
            connect(
                entry, &QAction::triggered, this, [this, templ] { removeTemplate(templ); },
                Qt::QueuedConnection);
        }
    }
}

void CopyAsMenu::askForTemplate()
{
    QWidget* owner = parentWidget();
    bool ok = false;
    const QString templ = QInputDialog::getText(
        owner, tr("Add Template"),
        tr("Template, for example {r}, {g}, {b} or 0x{HEX}.\n"
           "Placeholders: {r} {g} {b} {rx} {gx} {bx} {RX} {GX} {BX} {hex} {HEX}\n"
           "{bgr} {BGR} {dec} {decrgb} {rf} {gf} {bf} {h} {s} {v}; {{ and }} for braces."),
        QLineEdit::Normal, QString(), &ok);
    if (!ok || templ.isEmpty())
        return;
    QString error;
    if (!addTemplate(templ, &error))
        QMessageBox::warning(owner, tr("Add Template"), tr("The template was not added: %1").arg(error));
}

} // namespace tintora
