// What every cardwright widget test needs first: the offscreen platform and settings kept apart from the user's.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace CardTestSupport {

// Call at the top of main, before the application object and any QSettings.
void PrepareEnvironment();

// A temporary folder holding files of the given names and contents.
void WriteFile(const QTemporaryDir& folder, const QString& name, const QByteArray& contents);

} // namespace CardTestSupport

// QTEST_MAIN with the environment prepared first.
#define CARD_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char** argv)                                                                                  \
    {                                                                                                                \
        CardTestSupport::PrepareEnvironment();                                                                       \
        QApplication app(argc, argv);                                                                                \
        TestClass test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }
