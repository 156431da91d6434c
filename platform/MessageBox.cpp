#include "MessageBox.h"

#include "DeviceScreen.h"
#include "Fonts.h"
#include "WinApp.h"
#include "Wnd.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>

namespace {
constexpr int kBoxWidth = 224;

QPushButton* AddButton(QWidget* box, QHBoxLayout* row, const char* text, int answer,
                       const std::function<void(int)>& press) {
    auto* b = new QPushButton(QString::fromUtf8(text), box);
    b->setObjectName(QString::number(answer));
    b->setAccessibleName(b->text());
    b->setFont(UiFont(12));
    b->setMinimumWidth(64);
    QObject::connect(b, &QPushButton::clicked, box, [press, answer] { press(answer); });
    row->addWidget(b);
    return b;
}

QStyle::StandardPixmap IconOf(unsigned style) {
    switch (style & kMessageIconMask) {
    case MB_ICONERROR:
        return QStyle::SP_MessageBoxCritical;
    case MB_ICONQUESTION:
        return QStyle::SP_MessageBoxQuestion;
    case MB_ICONWARNING:
        return QStyle::SP_MessageBoxWarning;
    case MB_ICONINFORMATION:
        return QStyle::SP_MessageBoxInformation;
    default:
        return QStyle::SP_CustomBase;
    }
}
} // namespace

CMessageBox::CMessageBox(const MessageRecord& message, std::function<void(int)> onAnswer)
    : QWidget(CDeviceScreen::Current()), m_message(message), m_onAnswer(std::move(onAnswer)) {
    setObjectName(QStringLiteral("messageBox"));
    setAccessibleName(ToQString(message.caption));
    setAccessibleDescription(ToQString(message.text));
    setFocusPolicy(Qt::StrongFocus);
    setFixedWidth(kBoxWidth);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 8);
    outer->setSpacing(8);

    auto* caption = new QLabel(ToQString(message.caption), this);
    caption->setObjectName(QStringLiteral("caption"));
    caption->setFont(UiFont(12, 700));
    caption->setStyleSheet(
        QStringLiteral("QLabel { background: #1c3f94; color: white; padding: 3px 6px; }"));
    outer->addWidget(caption);

    auto* body = new QHBoxLayout();
    body->setContentsMargins(10, 0, 10, 0);
    body->setSpacing(8);
    const QStyle::StandardPixmap icon = IconOf(message.style);
    if (icon != QStyle::SP_CustomBase) {
        auto* picture = new QLabel(this);
        picture->setPixmap(style()->standardIcon(icon).pixmap(24, 24));
        picture->setAlignment(Qt::AlignTop);
        body->addWidget(picture);
    }
    auto* text = new QLabel(ToQString(message.text), this);
    text->setObjectName(QStringLiteral("text"));
    text->setWordWrap(true);
    text->setFont(UiFont(12));
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    body->addWidget(text, 1);
    outer->addLayout(body);

    auto* row = new QHBoxLayout();
    row->addStretch();
    auto press = [this](int answer) { Press(answer); };
    QPushButton* first = nullptr;
    if ((message.style & kMessageButtonsMask) == MB_YESNO) {
        first = AddButton(this, row, "예", IDYES, press);
        AddButton(this, row, "아니오", IDNO, press);
    } else {
        first = AddButton(this, row, "확인", IDOK, press);
    }
    row->addStretch();
    outer->addLayout(row);
    setFocusProxy(first);
}

void CMessageBox::Press(int answer) {
    if (m_answered) {
        return;
    }
    m_answered = true;
    if (m_onAnswer) {
        m_onAnswer(answer);
    }
}

void CMessageBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Press((m_message.style & kMessageButtonsMask) == MB_YESNO ? IDNO : IDOK);
        return;
    }
    QWidget::keyPressEvent(event);
}

void CMessageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(250, 250, 250));
    p.setPen(QColor(40, 40, 40));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

int CDeviceMessageService::ShowMessage(const MessageRecord& message) {
    const int refusal = (message.style & kMessageButtonsMask) == MB_YESNO ? IDNO : IDOK;
    CDeviceScreen* screen = CDeviceScreen::Current();
    if (screen == nullptr) {
        std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), message.text.c_str());
        return refusal;
    }
    if (QuitPosted()) {
        return refusal;
    }
    int answer = refusal;
    QEventLoop loop;
    auto* box = new CMessageBox(message, [&](int a) {
        answer = a;
        loop.exit();
    });
    screen->PushMessageLayer(box, ToQString(message.caption));
    loop.exec();
    screen->RemoveLayer(box);
    box->hide();
    box->deleteLater();
    return answer;
}
