// SPDX-License-Identifier: MIT
#include "mainwin/swatch_row.h"

#include "mainwin/placed_controls.h"

#include <QGroupBox>
#include <QMenu>

namespace tintora {

SwatchRow::SwatchRow(QWidget* window) : QObject(window), window_(window)
{
}

void SwatchRow::buildSwatchFrame()
{
    auto* frame = Make<QGroupBox>(window_, QStringLiteral("Frame1"), 300, 64, 177, 59);
    // Group boxes paint their own background, so nothing drawn on the
    // surface beneath them shows through.
    frame->setAutoFillBackground(true);
    Label(frame, QStringLiteral("Label1"), 8, 10, 31, 13, tr("New"));
    newSwatch_ = Swatch(frame, QStringLiteral("lblSelColor"), 8, 24, 77, 29, false);
    newSwatch_->setAccessibleName(tr("New"));
    Label(frame, QStringLiteral("Label3"), 148, 8, 23, 13, tr("Old"));
    oldSwatch_ = Swatch(frame, QStringLiteral("Label2"), 88, 24, 81, 29, false);
    oldSwatch_->setAccessibleName(tr("Old"));
    hookUp(newSwatch_, SwatchId::New);
    hookUp(oldSwatch_, SwatchId::Old);
}

void SwatchRow::buildHistoryFrame(const QRect& clear)
{
    auto* frame = Make<QGroupBox>(window_, QStringLiteral("Frame5"), 4, 264, 473, 45);
    frame->setTitle(tr("Color History"));
    frame->setAutoFillBackground(true);
    for (int i = 0; i < ColorHistory::Size; ++i) {
        SwatchLabel* s = Swatch(frame, QStringLiteral("hist%1").arg(i), 20 + 24 * i, 16, 21, 21, true);
        s->setAccessibleName(tr("History %1").arg(i + 1));
        history_[static_cast<std::size_t>(i)] = s;
        hookUp(s, static_cast<SwatchId>(i));
    }
    frame->setMask(QRegion(frame->rect()).subtracted(QRegion(clear.translated(-frame->pos()))));
}

void SwatchRow::hookUp(SwatchLabel* s, SwatchId id)
{
    connect(s, &SwatchLabel::clicked, this, [this, id] { emit showRequested(id); });
    connect(s, &SwatchLabel::doubleClicked, this, [this, id] { emit useRequested(id); });
    s->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(s, &QWidget::customContextMenuRequested, this, [this, s, id](const QPoint& p) {
        auto* menu = new QMenu(window_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        if (id != SwatchId::New)
            menu->addAction(tr("Use as New"), this, [this, id] { emit useRequested(id); });
        menu->addAction(tr("Pick from Screen..."), QKeySequence(Qt::CTRL | Qt::Key_E), this,
                        &SwatchRow::pickRequested);
        if (id == SwatchId::New) {
            menu->addSeparator();
            menu->addAction(tr("Undo colour"), QKeySequence::Undo, this, &SwatchRow::undoRequested)
                ->setEnabled(canUndo_);
            menu->addAction(tr("Redo colour"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), this,
                            &SwatchRow::redoRequested)
                ->setEnabled(canRedo_);
        }
        menu->popup(s->mapToGlobal(p));
    });
}

SwatchLabel* SwatchRow::swatch(SwatchId id) const
{
    if (id == SwatchId::New)
        return newSwatch_;
    if (id == SwatchId::Old)
        return oldSwatch_;
    const int i = static_cast<int>(id);
    return i >= 0 && i < ColorHistory::Size ? history_[static_cast<std::size_t>(i)] : nullptr;
}

void SwatchRow::showSteps(bool canUndo, bool canRedo)
{
    canUndo_ = canUndo;
    canRedo_ = canRedo;
}

void SwatchRow::show(const WindowState& state)
{
    newSwatch_->setColor(state.newColor);
    oldSwatch_->setColor(state.oldColor());
    for (int i = 0; i < ColorHistory::Size; ++i)
        history_[static_cast<std::size_t>(i)]->setColor(state.history.At(i));
    for (int i = static_cast<int>(SwatchId::New); i < ColorHistory::Size; ++i)
        swatch(static_cast<SwatchId>(i))->setMarked(static_cast<SwatchId>(i) == state.shownSwatch);
}

} // namespace tintora
