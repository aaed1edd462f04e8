#pragma once

#include <QObject>
#include <QString>

// Base of every engine object that writes a reading: it owns one HTML report
// document, rebuilt from scratch by each calculation.
class CReportTools : public QObject
{
    Q_OBJECT
public:
    explicit CReportTools(QObject *parent = nullptr);

    void setImageFolder(const QString &path) { m_imageFolder = path; }
    const QString &imageFolder() const { return m_imageFolder; }

    // The finished (or, during a build, growing) report document.
    const QString &document() const { return m_document; }

    // The short summary a builder puts in its title block.
    const QString &summaryText() const { return m_summaryText; }
    void clearSummaryText() { m_summaryText.clear(); }

protected:
    QString m_pendingImage;
    QString m_imageFolder;
    QString m_document;
    QString m_summaryText;
};
