#pragma once

// The weekly update check: at most one query a week to the update service,
// never blocking, never reporting a failure. The answer is a hexadecimal
// version number, one byte each for major, minor and patch.

#include <QDateTime>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class CUpdateCheck : public QObject
{
    Q_OBJECT
public:
    // This program's version as the service writes it: 7.8.0.
    static const int CURRENT_VERSION = 0x070800;

    CUpdateCheck(QNetworkAccessManager *network, const QUrl &endpoint, QObject *parent = nullptr);

    // A week after the last check. Sends the query when due and returns the
    // new time of the last check (now), else the given one unchanged.
    QDateTime checkIfDue(const QDateTime &lastCheck, const QDateTime &now = QDateTime::currentDateTime());
    static bool isDue(const QDateTime &lastCheck, const QDateTime &now);

    // Whether an answer body announces a newer version: its first
    // comma-separated part, read as a hexadecimal number, above ours.
    static bool offersUpdate(const QByteArray &body);

    // The answer to a query; errors and unreadable answers are ignored.
    void handleReply(QNetworkReply *reply);

signals:
    // A newer version is available.
    void updateAvailable();

private:
    QNetworkAccessManager *m_network;
    QUrl m_endpoint;
};
