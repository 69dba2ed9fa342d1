// SPDX-License-Identifier: MIT
// Writes a Windows icon file (.ico) holding several sizes of one icon.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Builds the icon file from the given images (each square, at most 256 px), storing each as a
// PNG-compressed entry, which every Windows since Vista and the usual resource compilers accept.
// Returns an empty array if an image cannot be stored.
QByteArray icoFile(const QList<QImage>& images);
