#include <QtTest>
class DocumentCommandsTest : public QObject { Q_OBJECT };
QTEST_MAIN(DocumentCommandsTest)
#include "DocumentCommandsTest.moc"
