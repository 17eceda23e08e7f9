<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Киньте кубик чотири рази й отримайте передбачення</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer — невелика іграшка для ворожіння. Подумайте про свою проблему, чотири рази киньте кубик натисканням кнопки й отримайте одне з шістнадцяти коротких передбачень: парні й непарні кидки складаються у візерунок, за яким і обирається передбачення.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Меню та посилання програми відкривають вебсторінки її розробника (онлайн-довідку, оновлення, пожертви) у типовому браузері; сама програма ніколи не звертається до мережі. Коли ви закриваєте програму, з’являється вікно прощання з формою, щоб порекомендувати її другові: форма відкриває сторінку сайту розробника, в адресі якої передаються ваші ім’я та адреса електронної пошти, а також ім’я та адреса друга. Раз на два тижні програма запитує, чи перевірити оновлення. Між запусками вона зберігає лише дату цього запитання.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Головне вікно, готове до чотирьох кидків</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Вікно «Про програму»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Вікно прощання, що з’являється після закриття головного вікна</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Ворожіння на кубику</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Киньте кубик чотири рази й отримайте передбачення щодо своєї проблеми</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>кубик;кості;оракул;ворожіння;доля;передбачення;dice;oracle;divination;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Ви сповнені жіночої енергії. Ви схильні піклуватися про людей. Саме час налагодити зв’язок зі своїм внутрішнім «я».</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Ви сповнені чоловічої енергії. У вас багато сили, і ви відчуваєте нестримне прагнення досягти своїх цілей. Саме час утілити мрії в життя.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Ваш задум дуже добрий. Утільте його в життя — і успіх вам забезпечено.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Можливо, щось заважає вам рухатися вперед. Поміркуйте над цим і відновіть рівновагу — тоді прийде успіх.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Настав час об’єднати всі зусилля. Наберіться терпіння, і ваша праця принесе плоди.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Розвивайте інтуїцію, не забуваючи про практичний бік свого розуму.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Ваша інтуїція дуже сильна, але не всі ваші рішення бувають практичними. Сім разів відміряйте, перш ніж вирішувати щось важливе.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Зараз ви в рівновазі. Перш ніж братися до поточних справ, зважте всі переваги.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Подумайте про всі сили, що панують над вами. Погляньте, як ці сили вам допомогли, і ухвалюйте рішення з огляду на це.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Ви бачите, що ваш задум майже здійснився. Але не все гаразд. Вам потрібно знайти кращу рівновагу.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>У вас міцна основа, але вам доведеться розширити свої уявлення та погляди.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Розвивайте свої інтуїтивні здібності. Позбудьтеся всіх страхів і скутості. На своєму шляху ви отримаєте всю потрібну допомогу.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Спробуйте знайти правильне поєднання розуму й духу, щоб довести справу до кінця.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Ваш план може зруйнуватися, якщо ви не будете дуже обережні.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>У вас міцний фундамент і відкритий розум. Відкиньте всі страхи й тягніться до зірок.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Ви поховали себе під тягарем турбот і напруги та втратили з поля зору мету. Позбудьтеся цих тривог, щоб досягти успіху в житті.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше ім’я</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваша адреса ел. пошти</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Ім’я друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адреса ел. пошти друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше повідомлення</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n кидок</numerusform>
            <numerusform>%n кидки</numerusform>
            <numerusform>%n кидків</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n кидок</numerusform>
            <numerusform>%n кидки</numerusform>
            <numerusform>%n кидків</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Кинути кубик</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>До результату</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Кинути кубик</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Програма Cubomancer працює. Закрийте її та натисніть «Повторити».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Можливо, вийшла нова версія цієї програми.
Перевірити наявність оновлень?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer — простий інструмент для ворожіння, який допоможе вам знайти розв’язання повсякденних проблем.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бізнес удома. Започаткуйте власний інтернет-бізнес і заробляйте онлайн. Ця програма — повністю під брендом вашого сайту.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Докладніше тут</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Перейти на сайт %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Відвідайте Omenhall просто зараз</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендуйте другові</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Порекомендувати</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Програми Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Перейти на сайт Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Програми Augury Softwares, як-от ця, існують лише завдяки вашій підтримці. Найкращий спосіб підтримати Omenhall — регулярно заходити на Omenhall і брати участь в обговореннях та житті форуму.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Регулярно відвідуйте Omenhall. Підтримайте Omenhall, беручи участь в обговореннях та житті форуму. Без ваших регулярних відвідин Omenhall ці програми неможливо підтримувати й розвивати.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall — безкоштовний онлайн-форум про все містичне. Щоб допомогти Omenhall розвивати й підтримувати цю програму, регулярно заходьте на Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall потребує вашої допомоги. Просто регулярно заходьте на Omenhall і беріть участь в обговореннях та житті форуму — так ви допоможете нам підтримувати й створювати нові програми Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Якщо вам сподобалася ця програма, вас напевно зацікавлять і інші наші програми Augury Softwares. Почавши з однієї програми, ми стали найбільшою у світі колекцією програм для ворожіння. Астрологія, ясновидіння, таро, нумерологія чи окультизм — у нас є програми на будь-який смак.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Усі програми Augury Softwares прості й зручні. Вони не лише цікаві, а й пізнавальні. Спробуйте їх уже сьогодні й поділіться враженнями з друзями та рідними. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адреса електронної пошти не може містити пробілів.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Найпопулярніший містичний форум в інтернеті. Усе про містику в одному місці. Відвідайте Omenhall просто зараз</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Кидок кубика</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Подумайте про свою проблему й зосередьтеся. Розплющте очі й натисніть «Кинути кубик».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Результат Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Пропозиції</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бізнес удома. Започаткуйте власний інтернет-бізнес і заробляйте онлайн. Ця програма — повністю під брендом вашого сайту. Докладніше тут.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Кобрендинг цієї програми для вашого сайту: більше постійних відвідувачів і трафіку. Тут будуть назва &amp;&amp; посилання вашого сайту. Подробиці — в меню «Довідка». Дізнайтеся більше про кобрендинг.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Довідка в &amp;інтернеті</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Відвідати наш &amp;сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Перевірити &amp;оновлення</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Про п&amp;рограму</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвувати</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заробити онлайн</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Кубик ще не кинуто</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>На кубику випало %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Програма вже працює.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введіть дві різні адреси електронної пошти.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введіть правильну адресу електронної пошти.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введіть своє ім’я.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введіть свою адресу електронної пошти.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введіть повідомлення.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введіть ім’я друга.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введіть адресу електронної пошти друга.</translation>
    </message>
</context>
</TS>
