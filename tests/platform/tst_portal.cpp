// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop portal client against a stand-in portal on a private session bus.
#include "datarows.h"
#include "globalhotkey_portal.h"
#include "portalcolorpicker.h"
#include "portalscreenshot.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using namespace tintmere::platform;

Q_DECLARE_METATYPE(SnapshotResult::Status)
Q_DECLARE_METATYPE(ColorPickResult::Status)

using testrows::Rows;
using ScreenshotRow = std::tuple<QString, QSize, QString, SnapshotResult::Status, QString>;
using AvailabilityRow = std::tuple<QString, QString>;
using PickRow = std::tuple<QString, ColorPickResult::Status, QRgb, QString>; // 0: no colour
using HotKeyRow = std::tuple<QString, QString, QString>;

namespace {

const auto control = u"org.tintmere.PortalStandIn"_s;
// Long enough for a loaded machine; the rows that never get an answer wait this long.
constexpr auto answerTime = 3s;

// Two screens side by side, the second at twice the density: the desktop composes them at
// ratio 2 over their 150×80 logical box.
const QList<ScreenLayout> screens{{u"left"_s, QRect(0, 0, 100, 80), 1.0},
                                  {u"right"_s, QRect(100, 0, 50, 40), 2.0}};

QImage patterned(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, (x >> 8) * 16 + (y >> 8)));
    }
    return image;
}

// Waits for the one answer of a request.
template <typename Client, typename Result>
void awaitAnswer(Client& client, void (Client::*start)(), std::optional<Result>* result) {
    QObject::connect(&client, &Client::finished, [result](const Result& r) {
        QVERIFY(!result->has_value());
        *result = r;
    });
    (client.*start)();
    QTRY_VERIFY_WITH_TIMEOUT(result->has_value(), 10'000);
}

} // namespace

class TestPortal : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_bus;
    QProcess m_standIn;
    QDBusConnection m_connection{u"uninitialised"_s};

    void setScenario(const QString& scenario, const QString& uri = {}) {
        callStandIn(u"SetScenario"_s, {scenario, uri});
    }
    void callStandIn(const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(control, u"/"_s, control, method);
        call.setArguments(arguments);
        const QDBusMessage reply = m_connection.call(call);
        QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
    }
    QString filesDir() const { return m_dir.filePath(u"files"_s); }
    QStringList files() const { return QDir(filesDir()).entryList(QDir::Files); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(filesDir()));
        // A bus of our own that activates nothing: a real portal installed on the machine
        // must not answer in the stand-in's place.
        const QString config = m_dir.filePath(u"bus.conf"_s);
        QVERIFY(testrows::writeFile(
            config,
            u"<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration "
            "1.0//EN\" \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">"
            "<busconfig><type>session</type><auth>EXTERNAL</auth>"
            "<listen>unix:dir=%1</listen><policy context=\"default\">"
            "<allow send_destination=\"*\" eavesdrop=\"true\"/>"
            "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>"_s.arg(m_dir.path())
                .toUtf8()));
        m_bus.start(qEnvironmentVariable("DBUS_DAEMON", u"dbus-daemon"_s),
                    {u"--nofork"_s, u"--print-address=1"_s, u"--config-file="_s + config});
        QVERIFY2(m_bus.waitForStarted(), qPrintable(m_bus.errorString()));
        QTRY_VERIFY(m_bus.canReadLine());
        const QString address = QString::fromUtf8(m_bus.readLine()).trimmed();
        m_connection = QDBusConnection::connectToBus(address, u"portal-test"_s);
        QVERIFY2(m_connection.isConnected(), qPrintable(m_connection.lastError().message()));

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, address);
        m_standIn.setProcessEnvironment(environment);
        m_standIn.setProcessChannelMode(QProcess::ForwardedChannels);
        m_standIn.start(qEnvironmentVariable("PYTHON3", u"python3"_s),
                        {qEnvironmentVariable("PORTAL_STANDIN")});
        QTRY_VERIFY_WITH_TIMEOUT(m_connection.interface()->isServiceRegistered(control) ||
                                     m_standIn.state() == QProcess::NotRunning,
                                 10'000);
        QVERIFY2(m_standIn.state() == QProcess::Running, "the stand-in portal did not start");
    }
    void cleanupTestCase() {
        m_standIn.kill();
        m_standIn.waitForFinished();
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void screenshot_data() {
        const Rows<ScreenshotRow> row; // the size of the file the portal returns, or a uri
        using S = SnapshotResult::Status;
        const QSize right(300, 160);
        const QString none;
        row("taken, and the portal's file deleted", u"fresh"_s, right, none, S::Taken, none);
        row("taken with a dialog where the desktop insists", u"insist-on-dialog"_s, right, none,
            S::Taken, none);
        row("an older file is not ours to delete", u"as-is"_s, right, none, S::Taken, none);
        row("cancelled", u"cancel"_s, right, none, S::Cancelled, u"cancelled"_s);
        row("failed, with and without a dialog", u"fail"_s, right, none, S::Refused,
            u"could not take"_s);
        row("never answers", u"silent"_s, right, none, S::Error, u"did not answer in time"_s);
        row("at the desktop's fractional scale, below the ratio given to Qt", u"fresh"_s,
            QSize(225, 120), none, S::Taken, none);
        row("wrong size", u"fresh"_s, QSize(150, 80), none, S::Error,
            u"150×80 pixels, but the screens are 300×160"_s);
        row("wrong shape", u"fresh"_s, QSize(300, 150), none, S::Error, u"300×150 pixels"_s);
        row("damaged file", u"fresh"_s, QSize(0, 1), none, S::Error, u"cannot be read"_s);
        row("not a local file", u"as-is"_s, QSize(), u"https://example.org/shot.png"_s, S::Error,
            u"not a local file"_s);
        row("no such method", u"no-interface"_s, right, none, S::Missing, u"no desktop portal"_s);
        row("no portal at all", u"absent"_s, right, none, S::Missing, u"no desktop portal"_s);
    }
    void screenshot() {
        ROW(ScreenshotRow, scenario, fileSize, uri, status, message);
        // The user's own file, an hour old: never touched, whatever the portal answers.
        const QString source = filesDir() + u"/shot.png"_s;
        QFile::remove(source);
        if (!fileSize.isEmpty())
            QVERIFY(patterned(fileSize).save(source));
        else if (fileSize.height() > 0)
            QVERIFY(QFile(source).open(QIODevice::WriteOnly)); // empty: not an image
        if (QFile::exists(source)) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        setScenario(scenario, QFile::exists(source) ? QUrl::fromLocalFile(source).toString() : uri);
        const QStringList before = files();

        PortalScreenshot shot(m_connection);
        shot.setTimeouts(answerTime, answerTime);
        shot.setScreens(screens);
        std::optional<SnapshotResult> result;
        awaitAnswer(shot, &PortalScreenshot::request, &result);
        QCOMPARE(result->status, status);
        QVERIFY2(result->message.contains(message), qPrintable(result->message));
        QCOMPARE(files(), before);
        if (status != SnapshotResult::Status::Taken)
            return;
        // One image pixel per device pixel of the denser screen: two per logical pixel, or
        // the desktop's own scale.
        const FrozenScreens& frozen = result->screens;
        const qreal scale = fileSize.width() / 150.0;
        const auto at = [scale](qreal x, qreal y) {
            return QPoint(int(x * scale), int(y * scale));
        };
        QCOMPARE(frozen.outputs.size(), 2);
        QCOMPARE(frozen.outputs.at(1).imageRect, QRect(at(100, 0), at(150, 40) - QPoint(1, 1)));
        QCOMPARE(frozen.imagePixelAt(QPointF(120.5, 10.75)), at(120.5, 10.75));
        QCOMPARE(frozen.imagePixelAt(QPointF(120, 60)), QPoint(-1, -1)); // below the right screen
        QCOMPARE(frozen.outputImage(1).pixel(at(120.5, 10.75) - at(100, 0)),
                 patterned(fileSize).pixel(at(120.5, 10.75)));
    }

    // Asked once at the start, so that the magnifier can say what it can do here.
    void screenshotAvailability_data() {
        const Rows<AvailabilityRow> row;
        row("offered", u"fresh"_s, QString());
        row("no Screenshot", u"no-interface"_s, u"no desktop portal"_s);
        row("no portal at all", u"absent"_s, u"no desktop portal"_s);
    }
    void screenshotAvailability() {
        ROW(AvailabilityRow, scenario, reason);
        setScenario(scenario);
        PortalScreenshot shot(m_connection);
        QSignalSpy changed(&shot, &ScreenSnapshot::availabilityChanged);
        shot.checkAvailability();
        // Where the portal answers, nothing changes: give it the time an answer takes.
        QTest::qWait(reason.isEmpty() ? 500 : 0);
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), reason.isEmpty() ? 0 : 1, 10'000);
        QVERIFY2(shot.unavailableReason().contains(reason), qPrintable(shot.unavailableReason()));
        QCOMPARE(shot.unavailableReason().isEmpty(), reason.isEmpty());
    }

    void pickColor_data() {
        const Rows<PickRow> row;
        using S = ColorPickResult::Status;
        row("picked", u"fresh"_s, S::Picked, qRgb(0x2a, 0x9d, 0x8f), QString());
        row("cancelled", u"cancel"_s, S::Cancelled, 0u, u"cancelled"_s);
        row("failed", u"fail"_s, S::Refused, 0u, u"could not pick"_s);
        row("never answers", u"silent"_s, S::Error, 0u, u"did not answer in time"_s);
        row("impossible color", u"bad-color"_s, S::Error, 0u, u"not valid"_s);
        row("no portal", u"absent"_s, S::Missing, 0u, u"no desktop"_s);
    }
    void pickColor() {
        ROW(PickRow, scenario, status, color, message);
        setScenario(scenario);
        PortalColorPicker picker(m_connection);
        picker.setTimeout(answerTime);
        std::optional<ColorPickResult> result;
        awaitAnswer(picker, &PortalColorPicker::pick, &result);
        QCOMPARE(result->status, status);
        QCOMPARE(result->color.isValid() ? result->color.rgb() : 0u, color);
        QVERIFY2(result->message.contains(message), qPrintable(result->message));
    }

    void hotKeyStatus_data() {
        const Rows<HotKeyRow> row;
        const QString unoffered = u"does not offer global shortcuts"_s;
        row("bound with the preferred keys", u"fresh"_s, u"CTRL+ALT+LOGO+l"_s, QString());
        row("declined", u"cancel"_s, QString(), u"declined"_s);
        row("never answers", u"silent"_s, QString(), u"no answer"_s);
        row("no GlobalShortcuts", u"no-interface"_s, QString(), unoffered);
        row("no portal at all", u"absent"_s, QString(), unoffered);
    }
    void hotKeyStatus() {
        ROW(HotKeyRow, scenario, binding, reason);
        setScenario(scenario);
        PortalGlobalHotKey key(m_connection, answerTime);
        QSignalSpy changed(&key, &GlobalHotKey::statusChanged);
        QVERIFY(!key.isAvailable());
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 10'000);
        QCOMPARE(key.isAvailable(), !binding.isEmpty());
        QCOMPARE(key.binding(), binding);
        QVERIFY2(key.unavailableReason().contains(reason), qPrintable(key.unavailableReason()));
        // Where the desktop cannot bind it, the user is told how to bind it themselves.
        if (!key.isAvailable())
            QVERIFY(key.unavailableReason().contains(u"tintmere --pick"_s));
    }

    void hotKeyFollowsTheDesktop() {
        setScenario(u"fresh"_s);
        PortalGlobalHotKey key(m_connection, answerTime);
        QSignalSpy changed(&key, &GlobalHotKey::statusChanged);
        QSignalSpy activated(&key, &GlobalHotKey::activated);
        QTRY_VERIFY(key.isAvailable());

        callStandIn(u"Activate"_s, {u"some-other-shortcut"_s});
        callStandIn(u"Activate"_s, {u"pick"_s});
        QTRY_COMPARE(activated.size(), 1);

        callStandIn(u"Rebind"_s, {u"Ctrl+Shift+P"_s});
        QTRY_COMPARE(key.binding(), u"Ctrl+Shift+P"_s);
        QVERIFY(key.isAvailable());
        callStandIn(u"Rebind"_s, {QString()});
        QTRY_VERIFY(!key.isAvailable());
        QVERIFY(key.unavailableReason().contains(u"has not given the shortcut"_s));
        QCOMPARE(changed.size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestPortal)
#include "tst_portal.moc"
