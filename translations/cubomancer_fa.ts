<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa_IR">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>چهار بار تاس بیندازید و فالتان را ببینید</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>برنامهٔ Cubomancer یک سرگرمی کوچک برای فال‌گیری است. به مشکلی فکر کنید، با یک دکمه چهار بار تاس بیندازید و یکی از شانزده فال کوتاه را دریافت کنید: الگوی پرتاب‌های زوج و فرد، فال را تعیین می‌کند.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>منوها و پیوندهای برنامه، صفحه‌های وب سازنده (راهنمای برخط، به‌روزرسانی‌ها، کمک مالی) را در مرورگر پیش‌فرض شما باز می‌کنند؛ خود برنامه هرگز به شبکه وصل نمی‌شود. هنگام بستن برنامه، صفحهٔ خداحافظی فرمی برای معرفی برنامه به یک دوست نشان می‌دهد: این فرم صفحه‌ای از وب‌سایت سازنده را باز می‌کند که نشانی‌اش نام و نشانی ایمیل شما و دوستتان را در خود دارد. برنامه هر دو هفته یک بار می‌پرسد که آیا به‌روزرسانی را بررسی کند یا نه. تنها چیزی که برنامه میان اجراها نگه می‌دارد، تاریخ همین پرسش است.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>پنجرهٔ اصلی، آماده برای چهار پرتاب</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>پنجرهٔ «درباره»</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>صفحهٔ خداحافظی که با بستن پنجرهٔ اصلی نمایش داده می‌شود</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>فال تاس</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>چهار بار تاس بیندازید و برای مشکلتان فال بگیرید</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>تاس;فال;فال‌گیری;طالع;پیشگویی;غیب‌گویی;شانس;dice;oracle;fortune;</translation>
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
        <translation>&amp;بله</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;خیر</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>سرشار از انرژی زنانه هستید و به مراقبت از دیگران گرایش دارید. اکنون زمان مناسبی برای ارتباط با درون خودتان است.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>سرشار از انرژی مردانه و نیرو هستید و اشتیاق دارید به اهدافتان برسید. اکنون زمان مناسبی است تا رؤیاهایتان را به عمل درآورید.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>تصویری که از این طرح در ذهن دارید بسیار خوب است. آن را اجرا کنید و مطمئن باشید که موفق می‌شوید.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>شاید مسئله‌ای مانع پیشرفت شما باشد. دربارهٔ آن فکر کنید و برای موفقیت، تعادلش را برقرار کنید.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>اکنون زمان آن است که همهٔ تلاش‌هایتان را یکی کنید. صبور باشید تا کارتان به ثمر بنشیند.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>شهود خود را همراه با جنبهٔ عملی ذهنتان پرورش دهید.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>شهود شما بسیار قوی است، اما شاید همهٔ تصمیم‌هایتان عملی نباشند. پیش از گرفتن تصمیم‌های مهم، خوب فکر کنید.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>در حال حاضر در تعادل هستید. پیش از پرداختن به کارهای پیش رو، همهٔ فایده‌هایشان را بسنجید.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>به همهٔ نیروهایی فکر کنید که بر شما چیره‌اند. ببینید این نیروها چگونه به شما کمک کرده‌اند و سپس بر همان اساس تصمیم بگیرید.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>تحقق رؤیایتان را نزدیک می‌بینید، اما همه‌چیز روبه‌راه نیست. باید تعادل بیشتری پیدا کنید.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>پایه‌ای محکم دارید، اما باید افکار و دیدگاه‌هایتان را گسترش دهید.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>نیروی شهودتان را پرورش دهید. همهٔ ترس‌ها و بازدارنده‌ها را کنار بگذارید. هرچه پیش‌تر بروید، هر کمکی را که نیاز دارید به دست خواهید آورد.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>بکوشید میان ذهن و روح هماهنگی درستی برقرار کنید تا کارتان را به سرانجام برسانید.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>اگر خیلی مراقب نباشید، ممکن است نقشه‌تان از هم بپاشد.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>پایه‌ای محکم و ذهنی باز دارید. همهٔ ترس‌هایتان را دور بریزید و دست به سوی ستاره‌ها دراز کنید.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>خودتان را زیر نگرانی‌ها و تنش‌ها دفن کرده‌اید و هدفتان را از یاد برده‌اید. از این نگرانی‌ها بیرون بیایید تا در زندگی بدرخشید.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>نام شما</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>نشانی ایمیل شما</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>نام دوستتان</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>نشانی ایمیل دوستتان</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>پیام شما</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>تعداد پرتاب: %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>تعداد پرتاب: %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>پرتاب &amp;تاس</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>؟</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>نمایش نتیجه</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>پرتاب تاس</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>برنامهٔ Cubomancer در حال اجراست. آن را ببندید و سپس «تلاش مجدد» را انتخاب کنید.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>شاید نسخهٔ تازه‌ای از این برنامه منتشر شده باشد.
آیا می‌خواهید به‌روزرسانی را بررسی کنید؟</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>برنامهٔ Cubomancer ابزار ساده‌ای برای فال‌گیری است که به شما کمک می‌کند برای مشکلات روزمره‌تان راه‌حل پیدا کنید.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>فرصت کسب‌وکار خانگی: کسب‌وکار اینترنتی خودتان را راه بیندازید و از اینترنت درآمد داشته باشید. این برنامه را با نشان تجاری وب‌سایت خودتان عرضه کنید.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>جزئیات بیشتر</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>برای بازدید از %1 اینجا را کلیک کنید</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>همین حالا از Omenhall دیدن کنید</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>معرفی به دوستان</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>همین حالا &amp;معرفی کنید</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>دانلود از Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>رفتن به وب‌سایت Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>برنامه‌هایی مانند این برنامه از Augury Softwares تنها با پشتیبانی شما ساخته و نگهداری می‌شوند. بهترین راه پشتیبانی از Omenhall این است که مرتب به آن سر بزنید و در گفت‌وگوها و دیگر فعالیت‌های انجمن شرکت کنید.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>مرتب به Omenhall سر بزنید و با شرکت در گفت‌وگوها و دیگر فعالیت‌ها از آن پشتیبانی کنید. بدون بازدیدهای منظم شما از Omenhall، پشتیبانی و نگهداری این برنامه‌ها ممکن نیست.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>انجمن Omenhall یک انجمن گفت‌وگوی برخط و کاملاً رایگان دربارهٔ همهٔ مباحث عرفانی و رازآلود است. برای کمک به Omenhall در توسعه و نگهداری این برنامه، مرتب به آن سر بزنید.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>انجمن Omenhall به کمک شما نیاز دارد. کافی است مرتب به آن سر بزنید و در گفت‌وگوها و فعالیت‌های گوناگون شرکت کنید تا به ما در نگهداری و ساخت برنامه‌های بیشتری از Augury Softwares کمک کنید.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>اگر از این برنامه لذت برده‌اید، بی‌شک برنامه‌های دیگر ما از Augury Softwares هم برایتان جالب خواهند بود. کار را با یک برنامه آغاز کردیم و امروز بزرگ‌ترین مجموعهٔ برنامه‌های فال و پیشگویی در جهان را داریم. از طالع‌بینی، غیب‌گویی، تاروت و علم اعداد گرفته تا علوم غریبه، در همهٔ زمینه‌ها برنامه داریم تا هر کس به سلیقهٔ خود انتخاب کند.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>همهٔ برنامه‌های Augury Softwares ساده و کاربرپسندند. نه‌تنها سرگرم‌کننده‌اند، بلکه آموزنده هم هستند. همین امروز امتحانشان کنید و تجربه‌تان را با دوستان و خانواده‌تان در میان بگذارید. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>نشانی ایمیل نمی‌تواند فاصله داشته باشد.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>محبوب‌ترین انجمن گفت‌وگوی عرفانی در اینترنت و بهترین منبع برای همهٔ مباحث رازآلود. همین حالا به Omenhall سر بزنید</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>پرتاب تاس</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>به مشکلتان بیندیشید و مراقبه کنید. سپس چشمانتان را باز کنید و روی «پرتاب تاس» کلیک کنید.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>نتیجهٔ Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;بازگشت</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>پیشنهادها</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>فرصت کسب‌وکار خانگی: کسب‌وکار اینترنتی خودتان را راه بیندازید و از اینترنت درآمد داشته باشید. این برنامه را با نشان تجاری وب‌سایت خودتان عرضه کنید. برای جزئیات بیشتر کلیک کنید.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>این برنامه را با نشان تجاری سایت خودتان عرضه کنید و وفاداری کاربران و بازدید سایتتان را افزایش دهید. نام &amp;&amp; پیوند سایت شما اینجا قرار می‌گیرد. جزئیات در «راهنما». برای اطلاعات بیشتر دربارهٔ نشان تجاری مشترک کلیک کنید.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;راهنمای برخط</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>بازدید از &amp;وب‌سایت ما</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;بررسی به‌روزرسانی</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;دربارهٔ برنامه</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;کمک مالی</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>کسب درآمد از &amp;اینترنت</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>تاس، هنوز پرتاب نشده</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>تاس %1 را نشان می‌دهد</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>برنامه هم‌اکنون در حال اجراست.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>لطفاً دو نشانی ایمیل متفاوت وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>لطفاً یک نشانی ایمیل معتبر وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>لطفاً نام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>لطفاً نشانی ایمیل خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>لطفاً پیام خود را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>لطفاً نام دوستتان را وارد کنید.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>لطفاً نشانی ایمیل دوستتان را وارد کنید.</translation>
    </message>
</context>
</TS>
