#include "platform/standarddialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velunto;

TEST(StandardDialogs, SpeakGermanWhateverTheSystemLanguage)
{
    ASSERT_TRUE(useGermanStandardDialogs(*qApp)) << "qt6-translations-l10n is not installed";
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));

    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'),
              QStringLiteral("Abbrechen"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text().remove(u'&'),
              QStringLiteral("Speichern"));

    QFileDialog files;
    QStringList labels;
    for (const QLabel* label : files.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_FALSE(labels.contains(QStringLiteral("Look in:"))) << labels.join(u'|').toStdString();
    EXPECT_FALSE(labels.contains(QStringLiteral("File &name:"))) << labels.join(u'|').toStdString();
}
