#pragma once

// The independent decoder of the barcode tests: Debian's zbarimg (package
// zbar-tools), run on a PNG of the symbol. Our images have no quiet zone, so
// the helper pads them with white before decoding, as a printed chart would.

#include <QByteArrayList>
#include <QImage>
#include <QString>
#include <QStringList>

// The zbarimg executable on the PATH; empty when it is missing.
QString zbarPath();

// The image with margin white pixels added on every side.
QImage withQuietZone(const QImage &image, int margin);

// Decodes the PNG file with every symbology disabled except as settings
// say: zbar's "-S" settings such as "qrcode.enable", "ean2.enable" or
// "i25.min-length=2". Returns one entry per symbol found, its data bytes as
// zbar reports them; sets error when zbarimg could not run or failed.
QByteArrayList zbarDecodeFile(const QString &pngPath, const QStringList &settings, QString *error);

// Pads the image by margin pixels, saves it as PNG in a temporary folder and
// decodes it as zbarDecodeFile does.
QByteArrayList zbarDecode(const QImage &symbol, int margin, const QStringList &settings, QString *error);
