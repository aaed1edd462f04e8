#include "updatecheck.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

CUpdateCheck::CUpdateCheck(QNetworkAccessManager *network, const QUrl &endpoint, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_endpoint(endpoint)
{
}

bool CUpdateCheck::isDue(const QDateTime &lastCheck, const QDateTime &now)
{
    return !lastCheck.isValid() || now > lastCheck.addDays(7);
}

QDateTime CUpdateCheck::checkIfDue(const QDateTime &lastCheck, const QDateTime &now)
{
    if (!isDue(lastCheck, now))
        return lastCheck;
    QNetworkRequest request(m_endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setRawHeader("User-Agent", "Check for updates");
    m_network->get(request); // the manager's finished() brings the answer
    // Without a network the next attempt is still a week later.
    return now;
}

bool CUpdateCheck::offersUpdate(const QByteArray &body)
{
    bool ok = false;
    const int version = QString::fromLatin1(body).split(QLatin1Char(',')).value(0).trimmed().toInt(&ok, 16);
    return ok && version > CURRENT_VERSION;
}

void CUpdateCheck::handleReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply->error() == QNetworkReply::NoError && offersUpdate(reply->readAll()))
        emit updateAvailable();
}
