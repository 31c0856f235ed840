// main() of the tests that need a QApplication: windows, pictures and pages.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
        {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
