#include "ImageCheck.h"
#include "RaisedError.h"

#include "output/BmpFile.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {


QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 Field32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 Field16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QString CannotCreate(const QString &name)
{
    return QStringLiteral("ﾌｧｲﾙ ") + name + QStringLiteral(" を作成できません");
}

}

class TestOutput : public QObject
{
    Q_OBJECT

private slots:
    void savedBitmapReadsBack_data();
    void savedBitmapReadsBack();
    void existingFileIsReplaced();
    void fileThatCannotBeCreated_data();
    void fileThatCannotBeCreated();
    void writingToAFullDevice();
};

void TestOutput::savedBitmapReadsBack_data()
{
    QTest::addColumn<QSize>("size");

    QTest::newRow("single pixel") << QSize(1, 1);
    QTest::newRow("rows padded to four bytes") << QSize(5, 3);
    QTest::newRow("rows without padding") << QSize(4, 2);
    QTest::newRow("main window's client area") << QSize(721, 561);
}

void TestOutput::savedBitmapReadsBack()
{
    QFETCH(QSize, size);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("picture.bmp"));
    QCOMPARE(RaisedError([&] { SaveBitmapToFile(PatternImage(size.width(), size.height()), path); }), QString());

    // An uncompressed 24-bit file, rows bottom-up and padded to four bytes.
    const QByteArray bytes = FileBytes(path);
    const int rowSize = (size.width() * 3 + 3) / 4 * 4;
    QCOMPARE(bytes.size(), 54 + rowSize * size.height());
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(Field32(bytes, 2), quint32(bytes.size()));
    QCOMPARE(Field32(bytes, 10), 54u);
    QCOMPARE(Field32(bytes, 14), 40u);
    QCOMPARE(Field32(bytes, 18), quint32(size.width()));
    QCOMPARE(Field32(bytes, 22), quint32(size.height()));
    QCOMPARE(Field16(bytes, 26), quint16(1));
    QCOMPARE(Field16(bytes, 28), quint16(24));
    QCOMPARE(Field32(bytes, 30), 0u);

    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QString mismatch = FirstMismatch(image, Pattern);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void TestOutput::existingFileIsReplaced()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("picture.bmp"));
    SaveBitmapToFile(PatternImage(721, 561), path);
    SaveBitmapToFile(PatternImage(1, 1), path);

    QCOMPARE(FileBytes(path).size(), 54 + 4);
    QCOMPARE(QImage(path).size(), QSize(1, 1));
}

void TestOutput::fileThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("name"); // relative to an empty folder

    QTest::newRow("missing folder") << "nowhere/picture.bmp";
    QTest::newRow("a folder") << ".";
}

void TestOutput::fileThatCannotBeCreated()
{
    QFETCH(QString, name);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(name);
    QCOMPARE(RaisedError([&] { SaveBitmapToFile(PatternImage(5, 3), path); }), CannotCreate(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestOutput::writingToAFullDevice()
{
    if (!QFile::exists(QStringLiteral("/dev/full")))
        QSKIP("no device that is always full");
    QCOMPARE(RaisedError([] { SaveBitmapToFile(PatternImage(721, 561), QStringLiteral("/dev/full")); }), QStringLiteral("ｽﾄﾘｰﾑへの書き込みｴﾗｰ"));
}

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
