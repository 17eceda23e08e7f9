// SPDX-License-Identifier: MIT
#include "frmfarewell.h"

#include "platform/messageboxes.h"
#include "platform/randomsource.h"
#include "platform/topmost.h"
#include "referraltext.h"
#include "ui_frmfarewell.h"
#include "weblinks/weblinks.h"
#include "widgets/accessibility.h"
#include "widgets/apptitle.h"
#include "widgets/formlook.h"
#include "widgets/linkbutton.h"
#include "widgets/programicon.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextDocument>

#include <limits>

namespace {

// A change of window (a message box, another program) is no visit to or from a field; only
// moves between the controls of this window apply the prompt rules.
bool movesBetweenControls(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmFarewell::frmFarewell(MessageBoxes &messages, RandomSource &random, WebLinks &links,
                         QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_ui(std::make_unique<Ui::frmFarewell>()), m_messages(messages), m_random(random),
      m_links(links), m_tellAFriend(links, messages, this)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);
    // A field takes whatever the user pastes; Qt's default limit would cut it short silently.
    for (QLineEdit *field :
         {m_ui->txtName, m_ui->txtEmail, m_ui->txtFriendName, m_ui->txtFriendEmail})
        field->setMaxLength(std::numeric_limits<int>::max());
    setUpWindow(this);
    setFixedSize(size());
    // To a screen reader the screen is a dialog (its form says so) whose message is the support
    // message, so that message is read out when the screen appears.
    markAsDecoration(m_ui->Picture1);

    m_ui->Picture1->setPixmap(programIcon().pixmap(QSize(32, 32)));
    m_ui->Label1->setText(::windowTitle());
    for (QLabel *label : {m_ui->Label1, m_ui->Label2, m_ui->Label3})
        label->setTextFormat(Qt::PlainText);
    m_ui->Label2->setText(supportMessage(1));
    m_ui->Label3->setText(promotionText());
    applyLook();

    using namespace ReferralText;
    m_referralFields = {{m_ui->txtName, namePrompt()},
                        {m_ui->txtEmail, emailPrompt()},
                        {m_ui->txtFriendName, friendNamePrompt()},
                        {m_ui->txtFriendEmail, friendEmailPrompt()},
                        {m_ui->txtMessage, messagePrompt()}};
    for (const ReferralField &field : std::as_const(m_referralFields)) {
        // The prompt goes as soon as the field is entered; its words stay the field's name.
        field.widget->setAccessibleName(field.prompt);
        setFieldText(field.widget, field.prompt);
        field.widget->installEventFilter(this);
    }
    setFieldText(m_ui->txtMessage, messageInitialText());

    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);
    // toggled rather than clicked: unticking the box from its own handler runs the handler once
    // more, as a click on a real check box would, and that run must find nothing to do.
    connect(m_ui->Check1, &QCheckBox::toggled, this, &frmFarewell::Check1_Click);
    connect(m_ui->cmdSubmit, &QPushButton::clicked, this, &frmFarewell::cmdSubmit_Click);
    connect(m_ui->lblGoToHome, &LinkButton::clicked, this, &frmFarewell::lblGoToHome_Click);

    // The Exit button is the first control to take the focus once the user activates the screen.
    m_ui->cmdClose->setFocus();
    Form_Load();
}

frmFarewell::~frmFarewell() = default;

QString frmFarewell::supportMessage(int k)
{
    //: Omenhall is the maker's forum and Augury Softwares its family of programs: names that
    //: stay as they are. One of four messages, each in at most four lines of the farewell screen.
    switch (k) {
    case 0:
        return tr(
            "Augury Softwares, such as this can be created and maintained only with your "
            "support. The best way to support Omenhall is to visit Omenhall regularly and take "
            "part in the discussions and other activities on the board.");
    case 1:
        return tr(
            "Visit Omenhall regularly. Support Omenhall by taking part in the discussions and "
            "other activities. These softwares cannot be supported and maintained, without you "
            "regularly visiting Omenhall");
    case 2:
        return tr(
            "Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall "
            "develop and maintain this software visit Omenhall regularly.");
    default:
        return tr(
            "Omenhall needs your help. All you need to do is visit Omenhall regularly and take "
            "part in the various discussions and activites to help us maintain and develop more "
            "Augury Softwares.");
    }
}

QString frmFarewell::promotionText()
{
    //: The first of two paragraphs in the farewell screen's right-hand column.
    static const char first[] =
        QT_TR_NOOP("If you have enjoyed this software you will surely be interested in our other "
                   "Augury Softwares. From a single software, we have now grown to become the "
                   "world\u2019s largest resource of augury softwares. Be it astrology, psychic, "
                   "tarot, numerology or occult, we have programs in all fields thus giving our "
                   "users a wide choice depending on their interests.");
    const QString translated = tr(first);
    // In English a run of spaces pushes the second paragraph onto a line of its own in the
    // wrapped label; a translation's lines end elsewhere, and right to left the run would push
    // the line's words out of the label, so a translation starts it on a new line instead.
    return translated +
           (translated == QString::fromUtf8(first) ? QString(61, QChar(u' '))
                                                   : QStringLiteral("\n")) +
           tr("All the programs in the Augury Softwares suite are simple and easy to use. They "
              "are not only fun to use but also very informative. Try them out today and share "
              "your experience with your friends and family. ");
}

void frmFarewell::applyLook()
{
    // The fields have a font of their own in the form, the 8-point dialog font of the platform
    // the screen was drawn for, so that a line of it fits their height whatever the desktop's
    // font, and the frame's caption font does not seep through.
    shrinkToFit(m_ui->lblGoToHome);
}

void frmFarewell::Form_Load()
{
    m_random.reseed(clockSeed());
    const float scaled = 4.0f * m_random.next();
    // The source promises [0, 1); anything else falls back to the first message rather than
    // converting an out-of-range value.
    const int k = scaled >= 0.0f && scaled < 4.0f ? static_cast<int>(scaled) : 0;
    m_ui->Label2->setText(supportMessage(k));
    setAccessibleDescription(m_ui->Label2->text());
    showTopmost(this);
}

void frmFarewell::closeEvent(QCloseEvent *event)
{
    event->accept();
    Form_Unload();
}

void frmFarewell::Form_Unload()
{
    Q_EMIT unloaded();
}

void frmFarewell::cmdClose_Click()
{
    close();
}

void frmFarewell::Check1_Click()
{
    if (!m_ui->Check1->isChecked())
        return;
    m_ui->Check1->setChecked(false);
    m_links.OpenHomePage();
}

void frmFarewell::lblGoToHome_Click()
{
    m_links.OpenSoftwareLibrary();
}

void frmFarewell::cmdSubmit_Click()
{
    m_tellAFriend.submitEntries({fieldText(m_ui->txtName), fieldText(m_ui->txtEmail),
                                 fieldText(m_ui->txtMessage), fieldText(m_ui->txtFriendName),
                                 fieldText(m_ui->txtFriendEmail)});
}

QString frmFarewell::fieldText(const QWidget *field) const
{
    if (field == m_ui->txtMessage) {
        // Line breaks of the message travel as CR LF.
        QString text = m_ui->txtMessage->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
        text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
        return text;
    }
    return static_cast<const QLineEdit *>(field)->text();
}

void frmFarewell::setFieldText(QWidget *field, const QString &text)
{
    if (field == m_ui->txtMessage) {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_ui->txtMessage->setPlainText(plain);
        return;
    }
    static_cast<QLineEdit *>(field)->setText(text);
}

void frmFarewell::refuseSpace(QWidget *field)
{
    m_messages.show(tr("Email Address Cannot Contain Space"), MessageIcon::Stop, MessageButtons::Ok,
                    this);
    field->setFocus();
}

void frmFarewell::applyPromptRule(const ReferralField &field, bool entering)
{
    if (entering && !field.widget->hasFocus())
        return; // left again before a delayed entry came to be applied
    const QString text = fieldText(field.widget);
    const std::optional<QString> changed = entering
                                               ? ReferralText::textOnEntering(text, field.prompt)
                                               : ReferralText::textOnLeaving(text, field.prompt);
    if (changed)
        setFieldText(field.widget, *changed);
}

bool frmFarewell::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (!movesBetweenControls(event))
            break;
        for (const ReferralField &field : std::as_const(m_referralFields)) {
            if (field.widget != watched)
                continue;
            if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
                // Qt 6.4 tells the accessibility bus of the focus only after this handler; Orca 43,
                // told first of the cleared prompt, speaks that and never names the field.
                QMetaObject::invokeMethod(
                    this, [this, field] { applyPromptRule(field, true); }, Qt::QueuedConnection);
                continue;
            }
            applyPromptRule(field, event->type() == QEvent::FocusIn);
        }
        break;
    case QEvent::KeyPress:
        if (watched == m_ui->txtEmail || watched == m_ui->txtFriendEmail) {
            if (static_cast<const QKeyEvent *>(event)->text().contains(QChar(u' '))) {
                QWidget *const field = static_cast<QWidget *>(watched);
                refuseSpace(field);
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
