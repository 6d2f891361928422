#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace linealidad {

// The tool-bar glyphs, drawn by the program: "nuevo", "abrir", "guardar", "imprimir", "cerrar",
// "salir", "mosaico", "cascada", "contenido". Each icon carries its own disabled image, a pale
// grey copy, so a switched-off button is plainly different.
QIcon glyphIcon(const QString& name);

// The program's pictures: the splash window's scene and the about box's emblem.
QPixmap splashPicture(const QSize& size);
QPixmap programEmblem(const QSize& size);

} // namespace linealidad
