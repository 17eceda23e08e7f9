<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>Бросьте кубик четыре раза и получите предсказание</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer — небольшая игрушка для гадания. Подумайте о своей проблеме, четыре раза бросьте кубик нажатием кнопки и получите одно из шестнадцати коротких предсказаний: чётные и нечётные броски складываются в узор, по которому и выбирается предсказание.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Меню и ссылки программы открывают веб-страницы её разработчика (онлайн-справку, обновления, пожертвования) в браузере по умолчанию; сама программа никогда не обращается к сети. При закрытии программы появляется прощальное окно с формой, чтобы порекомендовать её другу: форма открывает страницу сайта разработчика, в адресе которой передаются ваши имя и адрес электронной почты, а также имя и адрес друга. Раз в две недели программа спрашивает, не проверить ли обновления. Между запусками она хранит только дату этого вопроса.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Главное окно, готовое к четырём броскам</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Окно «О программе»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>Прощальное окно, которое появляется при закрытии главного окна</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>Гадание на кубике</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>Бросьте кубик четыре раза и получите предсказание по своему вопросу</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>кубик;кости;оракул;гадание;судьба;предсказание;dice;oracle;divination;</translation>
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
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>Вы полны женской энергии. Вы склонны заботиться о людях. Сейчас самое время обратиться к своему внутреннему «я».</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>Вы полны мужской энергии. В вас много силы, и вы чувствуете неудержимое стремление достичь своих целей. Сейчас самое время воплотить мечты в жизнь.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>Ваш замысел очень хорош. Воплотите его в жизнь — и успех вам обеспечен.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>Возможно, что-то мешает вам двигаться вперёд. Обдумайте это и восстановите равновесие — тогда придёт успех.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>Пришло время объединить все усилия. Наберитесь терпения, и ваш труд принесёт плоды.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>Развивайте интуицию, не забывая о практической стороне своего ума.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>Ваша интуиция очень сильна, но не все ваши решения бывают практичными. Семь раз отмерьте, прежде чем решать что-то важное.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>Сейчас вы в равновесии. Прежде чем браться за текущие дела, взвесьте все выгоды.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>Подумайте обо всех силах, которые властвуют над вами. Посмотрите, как эти силы вам помогли, и принимайте решения с учётом этого.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>Вы видите, что ваш замысел близок к воплощению. Но не всё идёт гладко. Вам нужно обрести больше равновесия.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>У вас прочная основа, но вам придётся расширить свои представления и взгляды.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>Развивайте свои интуитивные способности. Отбросьте все страхи и скованность. На своём пути вы получите всю необходимую помощь.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>Постарайтесь найти верное сочетание разума и духа, чтобы довести дело до конца.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>Ваш план может рухнуть, если вы не проявите должной осторожности.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>У вас прочный фундамент и открытый ум. Отбросьте все страхи и тянитесь к звёздам.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>Вы похоронили себя под грузом забот и напряжения и потеряли из виду цель. Освободитесь от этих тревог, чтобы добиться успеха в жизни.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>Ваше имя</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ваш адрес эл. почты</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Имя друга</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Адрес эл. почты друга</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ваше сообщение</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>%n бросок</numerusform>
            <numerusform>%n броска</numerusform>
            <numerusform>%n бросков</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>%n бросок</numerusform>
            <numerusform>%n броска</numerusform>
            <numerusform>%n бросков</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;Бросить кубик</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>Узнать ответ</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>Бросить кубик</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Программа Cubomancer запущена. Закройте её и нажмите «Повторить».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>Возможно, вышла новая версия этой программы.
Проверить наличие обновлений?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer — простой инструмент для гадания, который поможет вам найти решения повседневных проблем.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Бизнес на дому. Откройте свой интернет-бизнес и зарабатывайте в Сети. Эта программа — полностью под брендом вашего сайта.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Подробности здесь</translation>
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
        <translation>Зайдите на Omenhall прямо сейчас</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Порекомендуйте другу</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Порекомендовать</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>Программы Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Перейти на сайт Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>Программы Augury Softwares, подобные этой, существуют только благодаря вашей поддержке. Лучший способ поддержать Omenhall — регулярно заходить на Omenhall и участвовать в обсуждениях и жизни форума.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>Заходите на Omenhall регулярно. Поддержите Omenhall, участвуя в обсуждениях и жизни форума. Без ваших регулярных визитов на Omenhall эти программы невозможно поддерживать и развивать.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall — бесплатный онлайн-форум обо всём мистическом. Чтобы помочь Omenhall развивать и поддерживать эту программу, регулярно заходите на Omenhall.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall нуждается в вашей помощи. Просто регулярно заходите на Omenhall и участвуйте в обсуждениях и жизни форума — так вы поможете нам поддерживать и создавать новые программы Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>Если вам понравилась эта программа, вас наверняка заинтересуют и другие наши программы Augury Softwares. Начав с одной программы, мы стали крупнейшим в мире собранием программ для гадания. Астрология, ясновидение, таро, нумерология или оккультизм — у нас есть программы на любой вкус.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Все программы Augury Softwares просты и удобны. Они не только увлекательны, но и познавательны. Попробуйте их уже сегодня и поделитесь впечатлениями с друзьями и близкими. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Адрес электронной почты не может содержать пробелов.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>Самый популярный мистический форум в Сети. Всё о мистике в одном месте. Заходите на Omenhall прямо сейчас</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>Бросок кубика</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>Подумайте о своей проблеме и сосредоточьтесь. Откройте глаза и нажмите «Бросить кубик».</translation>
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
        <translation>Предложения</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Бизнес на дому. Откройте свой интернет-бизнес и зарабатывайте в Сети. Эта программа — полностью под брендом вашего сайта. Подробности здесь.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Кобрендинг этой программы для вашего сайта: больше постоянных посетителей и трафика. Здесь будут название &amp;&amp; ссылка вашего сайта. Подробности — в меню «Справка». Узнайте больше о кобрендинге.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Справка в &amp;Интернете</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Посетить наш &amp;сайт</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Проверить &amp;обновления</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>О п&amp;рограмме</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Пожертвовать</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Заработать онлайн</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>Кубик ещё не брошен</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>На кубике выпало %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>Программа уже запущена.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Введите два разных адреса электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Введите правильный адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Введите своё имя.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Введите свой адрес электронной почты.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Введите сообщение.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Введите имя друга.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Введите адрес электронной почты друга.</translation>
    </message>
</context>
</TS>
