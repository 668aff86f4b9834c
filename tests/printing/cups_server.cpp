#include "cups_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QThread>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

int Run(const QString& program, const QStringList& args, QString* output) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return -1;
    *output = QString::fromLocal8Bit(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

CupsServer::CupsServer() = default;

CupsServer::~CupsServer() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(10000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(5000);
        }
    }
}

QString CupsServer::Address() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

bool CupsServer::Start(QString* why) {
    if (geteuid() != 0) {
        *why = QStringLiteral("the test CUPS server must be started as root");
        return false;
    }
    const passwd* lp = getpwnam("lp");
    if (!lp || !QFileInfo::exists(QStringLiteral("/usr/sbin/cupsd"))) {
        *why = QStringLiteral("cupsd or the lp user is missing (install cups)");
        return false;
    }
    const QString root = m_dir.path();
    // The server runs its jobs as lp: every folder it writes must be lp's.
    if (chmod(root.toLocal8Bit().constData(), 0755) != 0) {
        *why = QStringLiteral("cannot open %1 to lp").arg(root);
        return false;
    }
    for (const char* sub : {"conf", "spool", "spool/tmp", "cache", "state", "logs", "out"}) {
        const QString path = root + u'/' + QLatin1String(sub);
        QDir().mkpath(path);
        if (chown(path.toLocal8Bit().constData(), lp->pw_uid, lp->pw_gid) != 0 ||
            chmod(path.toLocal8Bit().constData(), 0775) != 0) {
            *why = QStringLiteral("cannot hand %1 to lp").arg(path);
            return false;
        }
    }
    m_port = FreePort();
    const QByteArray r = root.toLocal8Bit();
    const QByteArray conf =
        "Listen 127.0.0.1:" + QByteArray::number(m_port) +
        "\nLogLevel warn\nBrowsing Off\nWebInterface No\nDefaultAuthType None\n"
        "PreserveJobFiles Yes\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n";
    const QByteArray files = "User lp\nGroup lp\nSystemGroup root\nFileDevice Yes\n"
                             "ServerRoot " +
                             r + "/conf\nRequestRoot " + r +
                             "/spool\n"
                             "TempDir " +
                             r + "/spool/tmp\nCacheDir " + r +
                             "/cache\n"
                             "StateDir " +
                             r + "/state\nAccessLog " + r +
                             "/logs/access_log\n"
                             "ErrorLog " +
                             r + "/logs/error_log\nPageLog " + r + "/logs/page_log\n";
    if (!WriteFile(root + QStringLiteral("/conf/cupsd.conf"), conf) ||
        !WriteFile(root + QStringLiteral("/conf/cups-files.conf"), files)) {
        *why = QStringLiteral("cannot write the server configuration");
        return false;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(QStringLiteral("/usr/sbin/cupsd"),
                  {QStringLiteral("-f"), QStringLiteral("-c"),
                   root + QStringLiteral("/conf/cupsd.conf"), QStringLiteral("-s"),
                   root + QStringLiteral("/conf/cups-files.conf")});
    if (!m_cupsd.waitForStarted(10000)) {
        *why = QStringLiteral("cupsd did not start");
        return false;
    }
    // The queue can be added once the server answers.
    QString output;
    const QDeadlineTimer deadline(30000);
    int status = -1;
    while (!deadline.hasExpired()) {
        status = Run(QStringLiteral("lpadmin"),
                     {QStringLiteral("-h"), Address(), QStringLiteral("-p"), QStringLiteral("q"),
                      QStringLiteral("-E"), QStringLiteral("-v"),
                      QStringLiteral("file://") + root + QStringLiteral("/out/job"),
                      QStringLiteral("-m"), QStringLiteral("drv:///sample.drv/generic.ppd")},
                     &output);
        if (status == 0 || m_cupsd.state() == QProcess::NotRunning)
            break;
        QThread::msleep(200);
    }
    if (status != 0) {
        *why = QStringLiteral("the test queue could not be added: %1 %2")
                   .arg(output, QString::fromLocal8Bit(m_cupsd.readAll()));
        return false;
    }
    return true;
}

bool CupsServer::AddHeldQueue(const QString& name, const QString& model, QString* why) {
    QString output;
    if (Run(QStringLiteral("lpadmin"),
            {QStringLiteral("-h"), Address(), QStringLiteral("-p"), name, QStringLiteral("-v"),
             QStringLiteral("file:///dev/null"), QStringLiteral("-m"), model},
            &output) != 0 ||
        Run(QStringLiteral("cupsaccept"), {QStringLiteral("-h"), Address(), name}, &output) != 0) {
        *why = QStringLiteral("queue %1 (%2) could not be added: %3").arg(name, model, output);
        return false;
    }
    return true;
}

QString CupsServer::JobDocument(int id) const {
    return m_dir.filePath(QStringLiteral("spool/d%1-001").arg(id, 5, 10, QLatin1Char('0')));
}

QByteArray CupsServer::WaitForJob(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    qint64 lastSize = -1;
    while (!deadline.hasExpired()) {
        const QFileInfo info(JobFile());
        // The job is complete when the file has stopped growing and the
        // queue is idle again.
        if (info.exists() && info.size() > 0 && info.size() == lastSize) {
            QString output;
            Run(QStringLiteral("lpstat"), {QStringLiteral("-h"), Address(), QStringLiteral("-o")},
                &output);
            if (output.trimmed().isEmpty()) {
                QFile file(JobFile());
                if (file.open(QIODevice::ReadOnly))
                    return file.readAll();
            }
        }
        lastSize = info.exists() ? info.size() : -1;
        QThread::msleep(300);
    }
    return {};
}
