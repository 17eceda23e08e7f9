<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>מטילים קובייה ארבע פעמים ומקבלים תחזית</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>התוכנה Cubomancer היא צעצוע קטן להגדת עתידות. חושבים על בעיה, מטילים קובייה ארבע פעמים בלחיצת כפתור ומקבלים אחת משש־עשרה תחזיות קצרות: ההטלות הזוגיות והאי־זוגיות יוצרות תבנית שבוחרת את התחזית.</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>התפריטים והקישורים שלה פותחים את דפי האינטרנט של היוצר (עזרה מקוונת, עדכונים, תרומות) בדפדפן ברירת המחדל; התוכנה עצמה אף פעם לא מתחברת לרשת. בסגירתה מוצג מסך פרידה עם טופס להמלצה על התוכנה לחבר: הטופס פותח דף באתר היוצר שכתובתו כוללת את השם ואת כתובת הדוא״ל שלך ושל החבר. פעם בשבועיים התוכנה שואלת אם לחפש עדכון. הדבר היחיד שהיא שומרת בין הפעלה להפעלה הוא התאריך של השאלה הזאת.</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>החלון הראשי, מוכן לארבע ההטלות</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>חלון &quot;אודות&quot;</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>מסך הפרידה שמוצג עם סגירת החלון הראשי</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>אורקל קוביות</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>מטילים קובייה ארבע פעמים ומקבלים תחזית לבעיה שלך</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>קובייה;קוביות;אורקל;עתידות;הגדת עתידות;גורל;מזל;תחזית;dice;oracle;fortune;</translation>
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
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>יש בך הרבה אנרגיה נשית, ויש לך נטייה לדאוג לאחרים. זה הזמן הנכון להתחבר לעולם הפנימי שלך.</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>יש בך הרבה אנרגיה גברית. יש בך כוח רב ודחף להגשים את המטרות שלך. זה הזמן הנכון להפוך את החלומות שלך למעשים.</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>התמונה שיש לך של המיזם טובה מאוד. הגיע הזמן ליישם אותה, וההצלחה מובטחת.</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>ייתכן שמשהו מונע ממך להתקדם. כדאי לחשוב על כך ולהחזיר את האיזון כדי להצליח.</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>זה הזמן לאחד את כל המאמצים. עם מעט סבלנות, העבודה שלך תישא פרי.</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>כדאי לפתח את האינטואיציה שלך יחד עם הצד המעשי של החשיבה.</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>האינטואיציה שלך חזקה מאוד, אבל ייתכן שלא כל ההחלטות שלך יהיו מעשיות. כדאי לשקול היטב לפני קבלת החלטות חשובות.</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>כרגע יש לך איזון טוב. לפני שממשיכים במשימות שעל הפרק, כדאי לשקול את כל היתרונות.</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>כדאי לחשוב על כל הכוחות ששולטים בך, לבחון איך הכוחות האלה עזרו לך, ואז להחליט בהתאם.</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>החזון שלך כבר קרוב להתגשמות, אבל לא הכול מסודר. יש צורך באיזון טוב יותר.</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>יש לך בסיס חזק, אבל עליך להרחיב את הרעיונות ואת נקודות המבט שלך.</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>כדאי לפתח את כוחות האינטואיציה שלך ולהשתחרר מכל הפחדים והעכבות. בהמשך הדרך תגיע אליך כל העזרה הדרושה.</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>כדאי לחפש את השילוב הנכון בין השכל לרוח כדי להשלים את העבודה.</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>בלי זהירות רבה, התוכנית שלך עלולה להתפורר.</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>יש לך בסיס איתן וראש פתוח. זה הזמן להשליך את כל הפחדים ולשאוף לכוכבים.</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>קברת את עצמך תחת דאגות ומתחים, ואיבדת את הכיוון. הגיע הזמן להשתחרר מהדאגות האלה ולפרוח בחיים.</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>השם שלך</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>כתובת הדוא״ל שלך</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>שם החבר</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>כתובת הדוא״ל של החבר</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>ההודעה שלך</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>מספר הטלות: %n</numerusform>
            <numerusform>מספר הטלות: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>מספר הטלות: %n</numerusform>
            <numerusform>מספר הטלות: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>&amp;הטלת קובייה</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>הצגת התוצאה</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>הטלת קובייה</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>התוכנה Cubomancer פועלת. יש לסגור אותה ואז לבחור ב&quot;נסה שוב&quot;.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>ייתכן שיש עדכון זמין לתוכנה.
לחפש עדכון?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>התוכנה Cubomancer היא כלי פשוט להגדת עתידות שיעזור לך למצוא פתרונות לבעיות היומיום.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>הזדמנות עסקית מהבית: אפשר להקים עסק אינטרנטי משלך ולהרוויח כסף ברשת. התוכנה הזאת יכולה לשאת את המיתוג המלא של האתר שלך.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>לפרטים נוספים יש ללחוץ כאן</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>לביקור באתר %1 יש ללחוץ כאן</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>כניסה ל־Omenhall עכשיו</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>המלצה לחבר</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;שליחת ההמלצה</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>הורדה מ־Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>מעבר לאתר Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>תוכנות כמו זו של Augury Softwares יכולות להיווצר ולהתקיים רק בזכות התמיכה שלך. הדרך הטובה ביותר לתמוך ב־Omenhall היא לבקר בו באופן קבוע ולקחת חלק בדיונים ובפעילויות האחרות בפורום.</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>כדאי לבקר ב־Omenhall באופן קבוע ולתמוך בו בהשתתפות בדיונים ובפעילויות האחרות. בלי הביקורים הקבועים שלך ב־Omenhall אי אפשר לתחזק את התוכנות האלה ולתמוך בהן.</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>הפורום Omenhall הוא פורום דיונים מקוון וחינמי לגמרי לכל מה שקשור למיסטיקה. כדי לעזור ל־Omenhall לפתח ולתחזק את התוכנה הזאת, כדאי לבקר בו באופן קבוע.</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>הפורום Omenhall זקוק לעזרה שלך. כל מה שצריך הוא לבקר בו באופן קבוע ולהשתתף בדיונים ובפעילויות השונות, וכך לעזור לנו לתחזק ולפתח עוד תוכנות של Augury Softwares.</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>אם נהנית מהתוכנה הזאת, ודאי יעניינו אותך גם התוכנות האחרות שלנו מבית Augury Softwares. התחלנו מתוכנה אחת, והיום יש לנו את אוסף תוכנות הגדת העתידות הגדול בעולם. אסטרולוגיה, ראיית נסתר, טארוט, נומרולוגיה או תורת הנסתר – יש לנו תוכנות בכל התחומים, כך שלכל משתמש יש מבחר רחב לפי תחומי העניין שלו.</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>כל התוכנות מבית Augury Softwares פשוטות וקלות לשימוש. הן לא רק מהנות אלא גם מלמדות הרבה. כדאי לנסות אותן עוד היום ולספר עליהן לחברים ולמשפחה. </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>כתובת דוא״ל לא יכולה להכיל רווחים.</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>פורום המיסטיקה המקוון הפופולרי ביותר והמקור הטוב ביותר לכל מה שמיסטי. בואו לבקר ב־Omenhall עכשיו</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>הטלת הקובייה</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>חושבים על הבעיה ומתרכזים במדיטציה. אחר כך פוקחים את העיניים ולוחצים על &quot;הטלת קובייה&quot;.</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>תוצאת Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;חזרה</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>הצעות</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>הזדמנות עסקית מהבית: אפשר להקים עסק אינטרנטי משלך ולהרוויח כסף ברשת. התוכנה הזאת יכולה לשאת את המיתוג המלא של האתר שלך. לפרטים נוספים יש ללחוץ כאן.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>מיתוג משותף של התוכנה לאתר שלך: יותר נאמנות ויותר תנועה לאתר. כאן יופיעו השם &amp;&amp; הקישור של האתר שלך. פרטים בתפריט &quot;עזרה&quot;. למידע נוסף על מיתוג משותף יש ללחוץ כאן.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>עזרה &amp;מקוונת</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;ביקור באתר שלנו</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;חיפוש עדכונים</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;אודות התוכנה</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;תרומה</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>עשיית &amp;כסף ברשת</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>קובייה, טרם הוטלה</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>הקובייה מראה %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>התוכנה כבר פועלת.</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>נא להזין שתי כתובות דוא״ל שונות.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>נא להזין כתובת דוא״ל תקינה.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>נא להזין את שמך.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>נא להזין את כתובת הדוא״ל שלך.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>נא להזין את ההודעה שלך.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>נא להזין את שם החבר.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>נא להזין את כתובת הדוא״ל של החבר.</translation>
    </message>
</context>
</TS>
