#include "FormsFixture.h"

#include "TMMSMainForm.h"

#include <QPushButton>
#include <QTest>

FormsFixture::FormsFixture()
{
    static const bool prepared = (PrepareApplication(), true);
    Q_UNUSED(prepared);
    m_forms = std::make_unique<FormSet>();
    g_forms.MMSMainForm->show();
}

FormsFixture::~FormsFixture() = default;

void Click(const QWidget *window, const char *buttonName)
{
    QTest::mouseClick(Find<QPushButton>(window, buttonName), Qt::LeftButton);
}

void Pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}
