// SPDX-License-Identifier: MIT
#include "platform/clipboard_writer.h"

#include "platform/clipboard_holder.h"

#include <xcb/xcb.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tintora {

namespace {

QString& lastText()
{
    static QString text;
    return text;
}

// The program's folder, also before (or without) an application object.
QString ProgramDir()
{
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (!exe.isEmpty())
        return QFileInfo(exe).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

xcb_window_t SelectionOwner(xcb_connection_t* c, const char* selection)
{
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(std::strlen(selection)), selection), nullptr);
    if (!atom)
        return XCB_WINDOW_NONE;
    const xcb_atom_t name = atom->atom;
    std::free(atom);
    // An atom that does not exist yet has never had an owner.
    if (name == XCB_ATOM_NONE)
        return XCB_WINDOW_NONE;
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, name), nullptr);
    if (!owner)
        return XCB_WINDOW_NONE;
    const xcb_window_t window = owner->owner;
    std::free(owner);
    return window;
}

void Warn(const QString& why)
{
    std::fprintf(stderr, "%s: %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
                 QCoreApplication::translate("ClipboardWriter",
                                             "the copied text could not be kept on the clipboard: %1")
                     .arg(why)
                     .toLocal8Bit()
                     .constData());
}

} // namespace

void ClipboardWriter::Write(const QString& text)
{
    lastText() = text;
    QGuiApplication::clipboard()->setText(text);
}

QString ClipboardWriter::LastWritten()
{
    return lastText();
}

QString ClipboardWriter::WriteForExit(const QString& text)
{
    lastText() = text;
    const ClipboardHolder::Result result =
        ClipboardHolder::Start(ClipboardHolder::Find(ProgramDir()), text.toUtf8());
    return result.outcome == ClipboardHolder::Outcome::Failed ? result.error : QString();
}

void ClipboardWriter::KeepAfterExit()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return;
    // The clipboard is ours when its owner window is one of this
    // connection's resources; asking the server, not Qt's record, which may
    // not have seen a SelectionClear still on its way.
    const xcb_window_t owner = SelectionOwner(c, "CLIPBOARD");
    const xcb_setup_t* setup = xcb_get_setup(c);
    if (owner == XCB_WINDOW_NONE || (owner & ~setup->resource_id_mask) != setup->resource_id_base)
        return;
    // A clipboard manager is asked to save the text by Qt as the
    // application ends.
    if (SelectionOwner(c, "CLIPBOARD_MANAGER") != XCB_WINDOW_NONE)
        return;
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty())
        return;
    const ClipboardHolder::Result result =
        ClipboardHolder::Start(ClipboardHolder::Find(ProgramDir()), text.toUtf8(), owner);
    if (result.outcome == ClipboardHolder::Outcome::Failed)
        Warn(result.error);
}

} // namespace tintora
