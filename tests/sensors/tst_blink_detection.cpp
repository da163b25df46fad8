// Blink counting on camera frames made from a real face picture: what the cascades find in
// each frame, and the blinks a sequence of frames gives.
#include "FaceFrames.h"
#include "sensors/BlinkCounter.h"
#include "sensors/CascadeFiles.h"
#include "sensors/FaceDetector.h"

#include <QMap>
#include <QtTest>

#include <functional>

using EyesPerFace = std::vector<int>;
Q_DECLARE_METATYPE(EyesPerFace)

class TestBlinkDetection : public QObject
{
    Q_OBJECT

private:
    FaceDetector m_detector;
    QMap<QString, cv::Mat> m_frames;
    QMap<QString, EyesPerFace> m_found;

    EyesPerFace found_in(const QString& name)
    {
        if (!m_found.contains(name)) {
            cv::Mat frame = m_frames.value(name).clone();
            m_found.insert(name, m_detector.detect(frame, false));
        }
        return m_found.value(name);
    }

private slots:
    void initTestCase()
    {
        QString problem;
        QVERIFY2(FaceFrames::available(&problem), qPrintable(problem));
        const QStringList folders = CascadeFiles::default_folders();
        QVERIFY(m_detector.load(CascadeFiles::find(CascadeFiles::kFace, folders),
                                CascadeFiles::find(CascadeFiles::kEyes, folders)));
        m_frames.insert("open", FaceFrames::open_eyes());
        m_frames.insert("closed", FaceFrames::closed_eyes());
        m_frames.insert("one", FaceFrames::one_eye());
        m_frames.insert("none", FaceFrames::no_face());
        m_frames.insert("two_open", FaceFrames::two_faces_open());
        m_frames.insert("two_closed", FaceFrames::two_faces_closed());
    }

    void eachFrameShowsItsFacesAndEyes_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<EyesPerFace>("expected");
        QTest::newRow("open eyes") << "open" << EyesPerFace{2};
        QTest::newRow("closed eyes") << "closed" << EyesPerFace{0};
        QTest::newRow("one eye") << "one" << EyesPerFace{1};
        QTest::newRow("no face") << "none" << EyesPerFace{};
        QTest::newRow("two faces, open") << "two_open" << EyesPerFace{2, 2};
        QTest::newRow("two faces, closed") << "two_closed" << EyesPerFace{0, 0};
    }

    void eachFrameShowsItsFacesAndEyes()
    {
        QFETCH(QString, frame);
        QFETCH(EyesPerFace, expected);
        QCOMPARE(found_in(frame), expected);
    }

    void aSequenceOfFramesGivesItsBlinks_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("blinks");
        QTest::newRow("eyes open throughout") << "open open open" << 0;
        QTest::newRow("one blink") << "open closed open" << 1;
        QTest::newRow("closed for two frames") << "open closed closed open" << 1;
        QTest::newRow("one eye does not break a blink") << "open closed one open" << 1;
        QTest::newRow("one eye is no blink") << "open one open" << 0;
        QTest::newRow("no face forgets closed eyes") << "open closed none open" << 0;
        QTest::newRow("closed at the end") << "open closed" << 0;
        QTest::newRow("two blinks") << "open closed open closed closed open" << 2;
        QTest::newRow("two faces blinking together") << "two_open two_closed two_open" << 1;
        QTest::newRow("one face after two") << "two_closed open" << 1;
    }

    void aSequenceOfFramesGivesItsBlinks()
    {
        QFETCH(QString, sequence);
        QFETCH(int, blinks);
        BlinkCounter counter;
        for (const QString& frame : sequence.split(QLatin1Char(' ')))
            counter.observe(found_in(frame));
        QCOMPARE(counter.count(), blinks);
        counter.reset();
        QCOMPARE(counter.count(), 0);
    }

    void facesAndEyesAreFramedOnlyWhenAsked()
    {
        cv::Mat plain = m_frames.value("open").clone();
        m_detector.detect(plain, false);
        QCOMPARE(cv::norm(plain, m_frames.value("open"), cv::NORM_INF), 0.0);

        cv::Mat framed = m_frames.value("open").clone();
        m_detector.detect(framed, true);
        // Eyes in green: pixels (0, 255, 0) that the picture does not have.
        cv::Mat green;
        cv::inRange(framed, cv::Scalar(0, 255, 0), cv::Scalar(0, 255, 0), green);
        QVERIFY(cv::countNonZero(green) > 0);
    }

    void withoutItsCascadesTheDetectorFindsNothing()
    {
        FaceDetector detector;
        QVERIFY(!detector.load(
            QStringLiteral("/nonexistent/face.xml"),
            CascadeFiles::find(CascadeFiles::kEyes, CascadeFiles::default_folders())));
        cv::Mat frame = m_frames.value("open").clone();
        QCOMPARE(detector.detect(frame, true), EyesPerFace{});
    }
};

QTEST_GUILESS_MAIN(TestBlinkDetection)
#include "tst_blink_detection.moc"
