<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>掷四次骰子，获得一则占卜结果</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer 是一款小巧的占卜玩具。心中想着一个问题，用按钮掷四次骰子，即可得到十六条简短占卜结果中的一条：掷出点数的奇偶组合决定了结果。</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>菜单和链接会在默认浏览器中打开作者的网页（在线帮助、更新、捐赠）；程序本身从不联网。关闭程序时，告别界面会提供一个向朋友推荐本程序的表单：它会打开作者网站上的一个页面，网址中带有您和朋友的姓名及电子邮件地址。程序每两周询问一次是否检查更新。两次运行之间，它只保存这次询问的日期。</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>主窗口，准备掷四次骰子</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>“关于”对话框</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>关闭主窗口时显示的告别界面</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>骰子占卜</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>掷四次骰子，为您的问题求得一则占卜</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>骰子;色子;占卜;算命;运势;神谕;dice;oracle;fortune;</translation>
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
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>您充满女性能量，乐于照顾他人。现在正是与内在自我沟通的好时机。</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>您充满男性能量，精力充沛，渴望实现自己的目标。现在正是将梦想付诸行动的好时机。</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>您对这个计划的构想非常好。付诸实施吧，一定会成功。</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>也许有什么问题阻碍了您前进。好好想一想，让它恢复平衡，就能成功。</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>现在是集中全部力量的时候。保持耐心，您的努力终将结出硕果。</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>在培养直觉的同时，也要锻炼思维中务实的一面。</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>您的直觉非常敏锐，但您的决定未必都切合实际。做重要决定之前，请三思而后行。</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>此刻您处于良好的平衡状态。着手处理手头的事情之前，先想清楚所有的好处。</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>想一想支配着您的各种力量。看看这些力量曾如何帮助过您，再据此作出决定。</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>您的愿景即将实现，但并非一切顺利。您需要更好地保持平衡。</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>您的基础很扎实，但需要拓宽自己的思路和眼界。</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>培养您的直觉力。抛开所有恐惧和顾虑。一路前行，您会得到所需的一切帮助。</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>努力让理智与心灵恰当结合，以完成您的工作。</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>如果不够小心，您的计划可能会落空。</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>您有坚实的基础和开放的心态。抛开所有恐惧，勇敢追求远大的目标。</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>您被忧虑和紧张压得喘不过气，已看不清自己的目标。摆脱这些忧虑，才能在生活中大放异彩。</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>您的姓名</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>您的电子邮件地址</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>朋友的姓名</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>朋友的电子邮件地址</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>您的留言</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>已掷次数：%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>已掷次数：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>掷骰子(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>查看结果</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>掷骰子</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer 正在运行。请关闭它，然后单击“重试”。</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>此软件可能有可用的更新。
是否检查更新？</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer 是一款简单的占卜工具，帮助您找到日常问题的解决办法。</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>居家创业良机！开创您自己的网上事业，在线赚钱。为您的网站定制本软件的专属品牌版本。</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>了解详情</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>访问 %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>单击此处立即访问 Omenhall</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>推荐给朋友</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>立即推荐(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>下载 Augury Softwares 软件</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>Augury Softwares »</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>像本软件这样的 Augury Softwares 程序，只有在您的支持下才能开发和维护。支持 Omenhall 的最好方式，就是经常访问 Omenhall，参与论坛上的讨论和其他活动。</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>请经常访问 Omenhall，参与讨论和其他活动来支持 Omenhall。没有您的经常访问，这些软件就无法得到支持和维护。</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall 是一个免费的在线论坛，讨论一切神秘事物。请经常访问 Omenhall，帮助它开发和维护本软件。</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall 需要您的帮助。您只需经常访问 Omenhall，参与各种讨论和活动，就能帮助我们维护并开发更多 Augury Softwares 程序。</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>如果您喜欢这个软件，一定也会对我们 Augury Softwares 的其他程序感兴趣。我们从一款软件起步，如今已发展成为全球最大的占卜软件库。无论是占星、通灵、塔罗、数字命理还是神秘学，我们在各个领域都有程序，让用户可以根据兴趣广泛选择。</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>Augury Softwares 系列的所有程序都简单易用，不仅好玩，而且内容丰富。今天就来试试，并与亲朋好友分享您的体验吧。 </translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>电子邮件地址不能包含空格。</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>最受欢迎的神秘学在线论坛，一切神秘事物的最佳去处。立即访问 Omenhall</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>掷骰子</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>想着眼前的问题，冥想片刻。然后睁开眼睛，单击“掷骰子”。</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>Cubomancer 占卜结果</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>返回(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>推广信息</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>居家创业良机！开创您自己的网上事业，在线赚钱。为您的网站定制本软件的专属品牌版本。单击此处了解详情。</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>将本软件与您的网站联合品牌推广，提高网站的用户黏性和流量。您网站的名称 &amp;&amp; 链接会显示在此处。详见“帮助”。单击此处了解联合品牌详情。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>在线帮助(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>访问我们的网站(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>检查软件更新(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>关于本软件(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>捐赠(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>在线赚钱(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>骰子，尚未掷出</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>骰子点数：%1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>程序已在运行。</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>请输入两个不同的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>请输入有效的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>请输入您的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>请输入您的电子邮件地址。</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>请输入您的留言。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>请输入朋友的姓名。</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>请输入朋友的电子邮件地址。</translation>
    </message>
</context>
</TS>
