<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>ارمِ النرد أربع مرات واحصل على قراءة لطالعك</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>برنامج Cubomancer لعبة صغيرة للعرافة: فكّر في مشكلة، وارمِ النرد أربع مرات بضغطة زر، لتحصل على واحدة من ست عشرة قراءة قصيرة. فالرميات الفردية والزوجية ترسم نمطًا يحدد القراءة.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>تفتح قوائمه وروابطه صفحات الويب الخاصة بصانعه (المساعدة عبر الإنترنت والتحديثات والتبرعات) في متصفحك الافتراضي، أما البرنامج نفسه فلا يتصل بالشبكة أبدًا. وعند إغلاقه تظهر شاشة وداع فيها نموذج لترشيح البرنامج لصديق: يفتح النموذج صفحة على موقع الصانع يتضمن عنوانها اسمك وبريدك الإلكتروني واسم صديقك وبريده. ويسألك البرنامج مرة كل أسبوعين هل تريد البحث عن تحديث، ولا يحتفظ بين مرات تشغيله إلا بتاريخ هذا السؤال.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>النافذة الرئيسية جاهزة للرميات الأربع</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>نافذة «حول»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>شاشة الوداع التي تظهر عند إغلاق النافذة الرئيسية</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>عرّاف النرد</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>ارمِ النرد أربع مرات واحصل على قراءة لمشكلتك</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>نرد;زهر;عرافة;كهانة;طالع;حظ;قراءة;تنبؤ;dice;oracle;fortune;</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>أنت مفعم بالطاقة الأنثوية، وتميل إلى رعاية الآخرين. هذا هو الوقت المناسب للتواصل مع ذاتك الداخلية.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>أنت مفعم بالطاقة الذكورية، مليء بالقوة وتتوق إلى تحقيق أهدافك. هذا هو الوقت المناسب لتحويل أحلامك إلى أفعال.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>تصوّرك للمشروع جيد جدًا. ضعه موضع التنفيذ وثق بأنك ستنجح.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>ربما هناك أمر ما يمنعك من المضي قدمًا. فكّر فيه وأعد إليه التوازن لتنجح.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>حان الوقت لتجمع كل جهودك. تحلَّ بالصبر وسيؤتي عملك ثماره.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>طوّر حدسك جنبًا إلى جنب مع الجانب العملي من تفكيرك.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>حدسك قوي جدًا، لكن قد لا تكون كل قراراتك عملية. فكّر مليًّا قبل اتخاذ القرارات المهمة.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>أنت متوازن في هذه المرحلة. فكّر في كل الفوائد قبل أن تمضي في المهام التي بين يديك.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>فكّر في كل القوى التي تسيطر عليك. انظر كيف ساعدتك هذه القوى، ثم اتخذ قراراتك بناءً على ذلك.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>ترى رؤيتك على وشك أن تتحقق، لكن ليس كل شيء على ما يرام. ستحتاج إلى مزيد من التوازن.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>لديك أساس متين، لكن عليك أن توسّع أفكارك وآفاقك.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>نمِّ قواك الحدسية، وتخلّص من كل مخاوفك وترددك. وكلما تقدمت ستجد كل العون الذي تحتاج إليه.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>احرص على المزج الصحيح بين العقل والروح لتنجز عملك.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>قد تنهار خطتك إن لم تكن حذرًا بما يكفي.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>لديك أساس متين وعقل منفتح. تخلَّ عن كل مخاوفك واطمح إلى النجوم.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>لقد دفنت نفسك تحت الهموم والتوتر، وغاب عنك هدفك. تحرّر من هذه الهموم لتتألق في حياتك.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>اسمك</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>بريدك الإلكتروني</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>اسم صديقك</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>البريد الإلكتروني لصديقك</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>رسالتك</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
            <numerusform>عدد الرميات: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>ارمِ ال&amp;نرد</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>؟</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>اعرض النتيجة</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>ارمِ النرد</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>برنامج Cubomancer قيد التشغيل. أغلقه، ثم اختر «إعادة المحاولة».</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>قد يتوفر تحديث لهذا البرنامج.
هل تريد البحث عن تحديث؟</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>برنامج Cubomancer أداة عرافة بسيطة تساعدك على إيجاد حلول لمشاكلك اليومية.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصة عمل من المنزل: أنشئ تجارتك الخاصة على الإنترنت واكسب المال منها. واحصل على هذا البرنامج حاملًا علامة موقعك بالكامل.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>انقر هنا لمزيد من التفاصيل</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>انقر هنا لزيارة %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>انقر هنا لزيارة منتدى Omenhall الآن</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>رشّح البرنامج لصديق</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;رشّحه الآن</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>تنزيل برامج Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>زُر موقع Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>لا يمكن إنشاء برامج Augury Softwares مثل هذا البرنامج وصيانتها إلا بدعمك. وأفضل طريقة لدعم Omenhall هي زيارته بانتظام والمشاركة في النقاشات والأنشطة الأخرى في المنتدى.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>زُر منتدى Omenhall بانتظام، وادعمه بالمشاركة في النقاشات والأنشطة الأخرى. فمن دون زياراتك المنتظمة لمنتدى Omenhall لا يمكن دعم هذه البرامج وصيانتها.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>منتدى Omenhall ساحة نقاش مجانية تمامًا على الإنترنت لكل ما يتصل بالغيبيات والروحانيات. ساعد Omenhall على تطوير هذا البرنامج وصيانته بزيارته بانتظام.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>يحتاج Omenhall إلى مساعدتك. كل ما عليك هو زيارته بانتظام والمشاركة في النقاشات والأنشطة المختلفة، لتساعدنا على صيانة برامج Augury Softwares وتطوير المزيد منها.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>إن أعجبك هذا البرنامج فستهمك حتمًا برامجنا الأخرى من Augury Softwares. بدأنا ببرنامج واحد، وصرنا اليوم أكبر مجموعة لبرامج العرافة في العالم. سواء أكان اهتمامك التنجيم أم الاستبصار أم التاروت أم علم الأعداد أم العلوم الخفية، فلدينا برامج في كل المجالات تتيح لمستخدمينا خيارات واسعة تناسب اهتماماتهم.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>جميع برامج Augury Softwares بسيطة وسهلة الاستخدام، وهي ممتعة ومفيدة في آن واحد. جرّبها اليوم وشارك تجربتك مع أصدقائك وعائلتك. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>لا يمكن أن يحتوي عنوان البريد الإلكتروني على مسافات.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>منتدى النقاش الروحاني الأكثر شعبية على الإنترنت، وأفضل مصدر لكل ما هو غامض وروحاني. زُر Omenhall الآن</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>رمي النرد</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>فكّر في مشكلتك وتأمّل فيها، ثم افتح عينيك وانقر «ارمِ النرد».</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>نتيجة Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>ر&amp;جوع</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>العروض</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصة عمل من المنزل: أنشئ تجارتك الخاصة على الإنترنت واكسب المال منها. واحصل على هذا البرنامج حاملًا علامة موقعك بالكامل. انقر هنا لمزيد من التفاصيل.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ضع علامة موقعك على هذا البرنامج لتزيد ولاء زوارك وحركة الزيارات إلى موقعك. ضع اسم موقعك &amp;&amp; رابطه هنا. راجع «المساعدة» للتفاصيل. انقر هنا لمعرفة المزيد عن العلامة التجارية المشتركة.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;مساعدة عبر الإنترنت</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;زُر موقعنا</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;تحقق من وجود تحديث</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;حول البرنامج</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>ت&amp;برّع</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ا&amp;ربح المال عبر الإنترنت</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>حجر النرد، لم يُرمَ بعد</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>حجر النرد يُظهر %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>البرنامج قيد التشغيل بالفعل.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>يُرجى إدخال عنوانَي بريد إلكتروني مختلفين.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>يُرجى إدخال عنوان بريد إلكتروني صحيح.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>يُرجى إدخال اسمك.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>يُرجى إدخال بريدك الإلكتروني.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>يُرجى إدخال رسالتك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>يُرجى إدخال اسم صديقك.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>يُرجى إدخال البريد الإلكتروني لصديقك.</translation>
    </message>
</context>
</TS>
