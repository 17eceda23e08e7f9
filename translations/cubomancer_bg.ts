<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Хвърлете зар четири пъти и получете предсказание</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer е малка играчка за гадаене. Помислете за своя проблем, хвърлете зара четири пъти с натискане на бутон и получете едно от шестнайсет кратки предсказания: четните и нечетните хвърляния образуват шарка, по която се избира предсказанието.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Менютата и връзките в програмата отварят уеб страниците на създателя ѝ (онлайн помощ, актуализации, дарения) в браузъра ви по подразбиране; самата програма никога не се свързва с мрежата. Когато я затворите, прощалният екран предлага формуляр, с който да препоръчате програмата на приятел: той отваря страница от сайта на създателя, чийто адрес съдържа вашето име и имейл адрес, както и тези на приятеля ви. Веднъж на две седмици програмата пита дали да потърси актуализация. Единственото, което тя пази между стартиранията, е датата на този въпрос.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Главният прозорец, готов за четирите хвърляния</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Прозорецът „Относно програмата“</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Прощалният екран, който се показва при затваряне на главния прозорец</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Гадаене със зар</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Хвърлете зар четири пъти и получете предсказание за своя проблем</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>зар;зарове;оракул;гадаене;съдба;предсказание;dice;oracle;divination;</translation>
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
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Не</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Във вас има много женска енергия. Имате склонност да се грижите за хората. Сега е моментът да се свържете с вътрешното си аз.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Във вас има много мъжка енергия. Имате голяма сила и неудържим стремеж да постигнете целите си. Сега е моментът да превърнете мечтите си в дела.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Представата ви за начинанието е много добра. Осъществете я и успехът ви е сигурен.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Може би нещо ви пречи да продължите напред. Помислете върху това и възстановете равновесието, за да успеете.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Сега е времето да обедините всичките си усилия. Проявете търпение и трудът ви ще даде плод.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Развивайте интуицията си заедно с практичната страна на ума си.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Интуицията ви е много силна, но не всички ваши решения са практични. Премерете седем пъти, преди да вземете важно решение.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>В момента сте в равновесие. Помислете за всички ползи, преди да се заемете с предстоящите задачи.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Помислете за всички сили, които властват над вас. Вижте как тези сили са ви помогнали, и тогава вземете решенията си.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Виждате, че мечтата ви е близо до осъществяване. Но не всичко е наред. Трябва да постигнете по-добро равновесие.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>Имате здрава основа, но ще трябва да разширите идеите и възгледите си.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Развивайте интуитивните си способности. Отхвърлете всички страхове и задръжки. По пътя си ще получите цялата нужна помощ.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Опитайте се да намерите точното съчетание между ум и дух, за да довършите работата си.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Планът ви може да се провали, ако не проявите голяма предпазливост.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>Имате здрав фундамент и отворен ум. Отхвърлете всички страхове и посегнете към звездите.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Затрупали сте се с тревоги и напрежение. Изгубили сте целта си от поглед. Освободете се от тези тревоги, за да успеете в живота.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Вашето име</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Вашият имейл адрес</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Име на приятеля</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Имейл адрес на приятеля</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Вашето съобщение</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n хвърляне</numerusform>
            <numerusform>%n хвърляния</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n хвърляне</numerusform>
            <numerusform>%n хвърляния</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Хвърлете зара</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Към резултата</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Хвърлете зара</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer работи. Затворете програмата и изберете „Повторен опит“.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Възможно е да има нова версия на тази програма.
Искате ли да проверите за актуализация?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer е прост инструмент за гадаене, който ви помага да намерите решения на ежедневните си проблеми.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес от дома. Започнете свой интернет бизнес и печелете онлайн. Тази програма – изцяло с марката на вашия сайт.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Научете повече тук</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>Посетете %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>Посетете Omenhall още сега</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Препоръчайте на приятел</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Препоръчайте сега</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Програми от Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Към сайта на Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Програми на Augury Softwares като тази съществуват само с вашата подкрепа. Най-добрият начин да подкрепите Omenhall е да посещавате Omenhall редовно и да участвате в дискусиите и другите дейности във форума.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Посещавайте Omenhall редовно. Подкрепете Omenhall, като участвате в дискусиите и другите дейности. Без редовните ви посещения в Omenhall тези програми не могат да бъдат поддържани и развивани.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall е безплатен онлайн форум за всичко мистично. За да помогнете на Omenhall да развива и поддържа тази програма, посещавайте Omenhall редовно.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall има нужда от вашата помощ. Просто посещавайте Omenhall редовно и участвайте в дискусиите и другите дейности – така ще ни помогнете да поддържаме и създаваме още програми на Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Ако тази програма ви е харесала, със сигурност ще ви заинтересуват и другите ни програми от Augury Softwares. Започнахме с една-единствена програма, а днес сме най-голямата колекция от програми за гадаене в света. Астрология, ясновидство, таро, нумерология или окултизъм – имаме програми във всички области и за всеки вкус.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Всички програми на Augury Softwares са прости и лесни за използване. Те са не само забавни, но и много полезни. Изпробвайте ги още днес и споделете впечатленията си с приятели и близки. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Имейл адресът не може да съдържа интервали.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Най-популярният онлайн форум за мистика. Всичко мистично на едно място. Посетете Omenhall още сега</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Хвърляне на зара</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Помислете за своя проблем и медитирайте. После отворете очи и натиснете „Хвърлете зара“.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Резултат от Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>Оферти</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес от дома. Започнете свой интернет бизнес и печелете онлайн. Тази програма – изцяло с марката на вашия сайт. Научете повече тук.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Кобрандирайте тази програма за своя сайт: повече лоялни посетители и трафик. Тук ще стоят името &amp;&amp; връзката към сайта ви. Подробности в менюто „Помощ“. Научете повече за кобрандирането.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>По&amp;мощ</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Помощ в &amp;интернет</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Посетете нашия &amp;сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверка за &amp;актуализации</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Относно програмата</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Дарение</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Печелете онлайн</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Зарът още не е хвърлен</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>Зарът показва %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Програмата вече работи.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Въведете два различни имейл адреса.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Въведете валиден имейл адрес.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Въведете името си.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Въведете имейл адреса си.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Въведете съобщението си.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Въведете името на приятеля си.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Въведете имейл адреса на приятеля си.</translation>
    </message>
</context>
</TS>
