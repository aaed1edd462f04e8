#include "pictures.h"

#include "paintkit.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

namespace imagegen {

PictureList allPictures(const QVector<CelebrityCard> &celebrities)
{
    PictureList out;
    addModuleButtons(out);
    addButtons(out);
    addPanels(out);
    addBrand(out);
    addReportEmblems(out);
    addCelebrityCards(out, celebrities);
    return out;
}

bool writePictures(const PictureList &pictures, const QString &folder, QString *error)
{
    const QDir root(folder);
    if (!QDir().mkpath(root.absolutePath())) {
        *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(root.absolutePath()));
        return false;
    }
    for (const Picture &picture : pictures) {
        const QString file = root.absoluteFilePath(picture.path);
        const QString subFolder = QFileInfo(file).absolutePath();
        if (!QDir().mkpath(subFolder)) {
            *error = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(subFolder));
            return false;
        }
        QImageWriter writer(file);
        QImage image = picture.image;
        if (picture.path.endsWith(QLatin1String(".jpg"))) {
            // JPEG has no alpha: flatten on white, the reports' page colour.
            QImage flat(image.size(), QImage::Format_RGB32);
            flat.fill(Qt::white);
            QPainter painter(&flat);
            painter.drawImage(0, 0, image);
            painter.end();
            image = flat;
            writer.setFormat("jpeg");
            writer.setQuality(92);
        } else {
            writer.setFormat("png");
            image = image.convertToFormat(QImage::Format_ARGB32);
        }
        if (!writer.write(image)) {
            *error = QStringLiteral("cannot write %1: %2")
                         .arg(QDir::toNativeSeparators(file), writer.errorString());
            return false;
        }
    }
    return true;
}

QStringList writeContactSheets(const PictureList &pictures, const QString &filePrefix, int scale, QString *error)
{
    const int pageWidth = 1900, maxHeight = 2000, margin = 24, gap = 18, labelHeight = 16;
    const QFont label = sansFont(11);
    struct Placed
    {
        int picture;
        QPoint at;
    };
    QVector<QVector<Placed>> pages(1);
    QVector<int> heights(1, margin);
    int x = margin, rowTop = margin, rowHeight = 0;
    for (int i = 0; i < pictures.size(); ++i) {
        const QSize size = pictures.at(i).image.size() * scale;
        const int w = qMax(size.width(), 90), h = size.height() + labelHeight;
        if (x + w > pageWidth - margin && x > margin) {
            x = margin;
            rowTop += rowHeight + gap;
            rowHeight = 0;
        }
        if (rowTop + h > maxHeight && rowTop > margin) {
            pages.append(QVector<Placed>());
            heights.append(margin);
            x = margin;
            rowTop = margin;
            rowHeight = 0;
        }
        pages.last().append({i, QPoint(x, rowTop)});
        x += w + gap;
        rowHeight = qMax(rowHeight, h);
        heights.last() = rowTop + rowHeight + margin;
    }
    QStringList files;
    for (int page = 0; page < pages.size(); ++page) {
        QImage sheet(pageWidth, heights.at(page), QImage::Format_RGB32);
        sheet.fill(QColor(0x141110));
        QPainter painter(&sheet);
        prepare(painter);
        painter.setFont(label);
        for (const Placed &placed : pages.at(page)) {
            const Picture &picture = pictures.at(placed.picture);
            const QSize size = picture.image.size() * scale;
            painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter.drawImage(QRect(placed.at, size), picture.image);
            painter.setPen(QColor(0x8a7d70));
            painter.drawText(QPoint(placed.at.x(), placed.at.y() + size.height() + 12), picture.path);
        }
        painter.end();
        const QString file = QStringLiteral("%1-%2.png").arg(filePrefix).arg(page + 1, 2, 10, QLatin1Char('0'));
        if (!sheet.save(file, "png")) {
            *error = QStringLiteral("cannot write %1").arg(file);
            return files;
        }
        files << file;
    }
    return files;
}

} // namespace imagegen
