<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>AppStream</name>
    <message>
        <source>Throw a die four times and receive a reading</source>
        <extracomment>One line under the name in a software centre (GNOME Software, KDE Discover).</extracomment>
        <translation>ทอยลูกเต๋าสี่ครั้งแล้วรับคำทำนาย</translation>
    </message>
    <message>
        <source>Cubomancer is a small divination toy. Think of a problem, throw one die four times with a button, and receive one of sixteen short readings: the odd and even throws make a pattern that picks the reading.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>Cubomancer เป็นของเล่นเสี่ยงทายเล็ก ๆ เพียงนึกถึงปัญหาของคุณ กดปุ่มทอยลูกเต๋าสี่ครั้ง แล้วรับคำทำนายสั้น ๆ หนึ่งในสิบหกแบบ โดยแต้มคี่และแต้มคู่ที่ทอยได้จะเรียงกันเป็นรูปแบบที่กำหนดคำทำนาย</translation>
    </message>
    <message>
        <source>Its menus and links open the maker&apos;s web pages (online help, updates, donations) in your default browser; the program itself never talks to the network. When you close it, a farewell screen offers a form to recommend the program to a friend: it opens a page of the maker&apos;s web site whose address carries your name and e-mail address and your friend&apos;s. Once a fortnight the program asks whether to look for an update. The only thing it keeps between runs is the date of that question.</source>
        <extracomment>A paragraph of the program&apos;s description in a software centre.</extracomment>
        <translation>เมนูและลิงก์ของโปรแกรมจะเปิดหน้าเว็บของผู้พัฒนา (วิธีใช้ออนไลน์ การอัปเดต และการบริจาค) ในเบราว์เซอร์เริ่มต้นของคุณ ตัวโปรแกรมเองไม่เชื่อมต่อเครือข่ายเลย เมื่อคุณปิดโปรแกรม หน้าจออำลาจะมีแบบฟอร์มสำหรับแนะนำโปรแกรมให้เพื่อน ซึ่งจะเปิดหน้าหนึ่งในเว็บไซต์ของผู้พัฒนาโดยมีชื่อและที่อยู่อีเมลของคุณและของเพื่อนอยู่ในที่อยู่ของหน้านั้น ทุก ๆ สองสัปดาห์ โปรแกรมจะถามว่าจะตรวจหาการอัปเดตหรือไม่ และสิ่งเดียวที่โปรแกรมเก็บไว้ระหว่างการเปิดใช้แต่ละครั้งคือวันที่ที่ถามคำถามนั้น</translation>
    </message>
    <message>
        <source>The main window, ready for the four throws</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>หน้าต่างหลักที่พร้อมสำหรับการทอยสี่ครั้ง</translation>
    </message>
    <message>
        <source>The About box</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>กล่องเกี่ยวกับโปรแกรม</translation>
    </message>
    <message>
        <source>The farewell screen shown when the main window closes</source>
        <extracomment>The caption of a screenshot in a software centre.</extracomment>
        <translation>หน้าจออำลาที่แสดงเมื่อปิดหน้าต่างหลัก</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Dice Oracle</source>
        <extracomment>What kind of program it is, shown under or beside its name in menus.</extracomment>
        <translation>เสี่ยงทายด้วยลูกเต๋า</translation>
    </message>
    <message>
        <source>Throw a die four times and receive a reading for your problem</source>
        <extracomment>The tooltip of the program&apos;s menu entry.</extracomment>
        <translation>ทอยลูกเต๋าสี่ครั้งเพื่อรับคำทำนายสำหรับปัญหาของคุณ</translation>
    </message>
    <message>
        <source>dice;die;oracle;fortune;divination;reading;</source>
        <extracomment>Search words for the desktop&apos;s search, each followed by a semicolon.</extracomment>
        <translation>ลูกเต๋า;เต๋า;เสี่ยงทาย;ทำนาย;คำทำนาย;ดูดวง;โชคชะตา;พยากรณ์;dice;oracle;fortune;</translation>
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
        <translation>ใช่(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไม่ใช่(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ReadingTable</name>
    <message>
        <source>You are full of female energy. You have the inclination to take care of people. This is the right time to connect to your inner self.</source>
        <translation>คุณ​เปี่ยม​ด้วย​พลัง​แห่ง​ความ​เป็น​หญิง มี​ใจ​อยาก​ดูแล​เอาใจ​ใส่​ผู้​อื่น นี่​คือ​เวลา​ที่​เหมาะ​จะ​เชื่อม​โยง​กับ​ตัวตน​ภายใน​ของ​คุณ</translation>
    </message>
    <message>
        <source>You are full of male energy. You are full of power and have the urge to accomplish your goals. This is the right time to put your dreams into action.</source>
        <translation>คุณ​เปี่ยม​ด้วย​พลัง​แห่ง​ความ​เป็น​ชาย มี​พลัง​เต็ม​เปี่ยม​และ​มุ่งมั่น​จะ​ทำ​เป้าหมาย​ให้​สำเร็จ นี่​คือ​เวลา​ที่​เหมาะ​จะ​ลงมือ​เปลี่ยน​ความ​ฝัน​ให้​เป็น​จริง</translation>
    </message>
    <message>
        <source>Your visualization of the project is very good. Put it into place and be sure of coming out successful.</source>
        <translation>ภาพ​ที่​คุณ​วาด​ไว้​สำหรับ​โครงการ​นี้​ดี​มาก ลงมือ​ทำให้​เป็น​จริง​ได้​เลย แล้ว​คุณ​จะ​ประสบ​ความ​สำเร็จ​อย่าง​แน่นอน</translation>
    </message>
    <message>
        <source>There may be some issue that is stopping you from proceeding ahead. Think about it and balance it for success.</source>
        <translation>อาจ​มี​บาง​เรื่อง​ที่​ขวาง​ไม่​ให้​คุณ​ก้าว​ต่อ​ไป ลอง​คิด​ทบทวน​เรื่อง​นั้น​และ​ปรับ​ให้​สมดุล​เพื่อ​ความ​สำเร็จ</translation>
    </message>
    <message>
        <source>This is the time to combine all your efforts. Be patient and your work will bear fruits.</source>
        <translation>นี่​คือ​เวลา​ที่​ต้อง​รวม​ความ​พยายาม​ทั้งหมด​ของ​คุณ​เข้า​ด้วย​กัน อดทน​ไว้ แล้ว​งาน​ของ​คุณ​จะ​ผลิ​ดอก​ออก​ผล</translation>
    </message>
    <message>
        <source>Develop your intuition along with practical side of your mind.</source>
        <translation>พัฒนา​สัญชาตญาณ​ของ​คุณ​ควบคู่​ไป​กับ​ความคิด​ด้าน​ที่​ยึด​หลัก​ความ​เป็น​จริง</translation>
    </message>
    <message>
        <source>Your intuitions are very strong. All your decisions may not be practical. Think twice before making important decisions.</source>
        <translation>สัญชาตญาณ​ของ​คุณ​แรง​กล้า​มาก แต่​การ​ตัดสิน​ใจ​ของ​คุณ​อาจ​ไม่​ได้​ใช้​ได้​จริง​เสมอ​ไป ไตร่ตรอง​ให้​ดี​ก่อน​ตัดสิน​ใจ​เรื่อง​สำคัญ</translation>
    </message>
    <message>
        <source>You are well balanced at the moment. Think of all the benefits before proceeding ahead with the tasks in hand.</source>
        <translation>ตอน​นี้​คุณ​อยู่​ใน​ภาวะ​ที่​สมดุล​ดี ลอง​คิด​ถึง​ประโยชน์​ทั้งหมด​ก่อน​ลงมือ​ทำงาน​ที่​อยู่​ตรง​หน้า</translation>
    </message>
    <message>
        <source>Think of all the forces that are dominating you. See how these forces have helped you and then make decisions accordingly.</source>
        <translation>ลอง​คิด​ถึง​พลัง​ทั้งหลาย​ที่​ครอบงำ​คุณ​อยู่ ดู​ว่า​พลัง​เหล่า​นั้น​ช่วย​คุณ​มา​อย่างไร แล้ว​ตัดสิน​ใจ​ตาม​นั้น</translation>
    </message>
    <message>
        <source>You can see your vision within sight of being accomplished. But all is not right. You will need to be better balanced.</source>
        <translation>คุณ​มอง​เห็น​ภาพ​ฝัน​ของ​คุณ​ใกล้​จะ​เป็น​จริง​แล้ว แต่​ทุก​อย่าง​ยัง​ไม่​ลงตัว คุณ​ต้อง​รักษา​สมดุล​ให้​ดี​กว่า​นี้</translation>
    </message>
    <message>
        <source>You have a strong base but you will have to broaden your ideas and views.</source>
        <translation>คุณ​มี​พื้นฐาน​ที่​มั่นคง แต่​ต้อง​เปิด​ความคิด​และ​มุมมอง​ให้​กว้าง​ขึ้น</translation>
    </message>
    <message>
        <source>Develop your intuitive powers. Remove all your fears and inhibitions. As you go ahead you will get all the help that you need.</source>
        <translation>พัฒนา​พลัง​สัญชาตญาณ​ของ​คุณ ขจัด​ความ​กลัว​และ​ความ​ลังเล​ทั้งหมด เมื่อ​คุณ​ก้าว​ต่อ​ไป คุณ​จะ​ได้​รับ​ความ​ช่วยเหลือ​ทุก​อย่าง​ที่​ต้องการ</translation>
    </message>
    <message>
        <source>Try to manage a right combination of mind and spirit to get your work completed.</source>
        <translation>พยายาม​ผสาน​ความคิด​และ​จิตใจ​ให้​ลงตัว​เพื่อ​ทำงาน​ให้​สำเร็จ</translation>
    </message>
    <message>
        <source>Your plan may crumble if you are not too careful.</source>
        <translation>แผน​ของ​คุณ​อาจ​พัง​ทลาย​ได้​หาก​ไม่​ระมัดระวัง​ให้​มาก</translation>
    </message>
    <message>
        <source>You have a strong foundation and an open mind. Throw away all your fears and reach for the stars.</source>
        <translation>คุณ​มี​รากฐาน​ที่​มั่นคง​และ​มี​ใจ​ที่​เปิด​กว้าง ทิ้ง​ความ​กลัว​ทั้งหมด​ไป แล้ว​มุ่ง​ไป​ให้​ถึง​ดวง​ดาว</translation>
    </message>
    <message>
        <source>You have buried yourself under worries and tensions. You have lost sight of your goal. Come out from these worries to excel in life.</source>
        <translation>คุณ​จม​อยู่​กับ​ความ​กังวล​และ​ความ​ตึงเครียด​จน​มอง​ไม่​เห็น​เป้าหมาย ก้าว​ออก​จาก​ความ​กังวล​เหล่า​นี้ แล้ว​ชีวิต​ของ​คุณ​จะ​รุ่งโรจน์</translation>
    </message>
</context>
<context>
    <name>ReferralText</name>
    <message>
        <source>Your Name</source>
        <translation>ชื่อ​ของ​คุณ</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>ที่​อยู่​อีเมล​ของ​คุณ</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>ชื่อ​เพื่อน</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>ที่​อยู่​อีเมล​ของ​เพื่อน</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>ข้อความ​ของ​คุณ</translation>
    </message>
</context>
<context>
    <name>RollSequence</name>
    <message numerus="yes">
        <source>Roll Your Dice %n Time</source>
        <extracomment>The count of throws, after a throw or the back button (%n is 0 to 4). Keep it short.</extracomment>
        <translation>
            <numerusform>ทอย​แล้ว: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Roll Your Dice %n Times</source>
        <extracomment>The count of throws, when the window opens and under a reading (%n is 0 or 1). Keep it short.</extracomment>
        <translation>
            <numerusform>ทอย​แล้ว: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Roll Dice</source>
        <extracomment>The roll button before the first back press; the &amp; marks the access key.</extracomment>
        <translation>ทอย​ลูกเต๋า(&amp;R)</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>One large letter in the die&apos;s place before a throw; R as in Roll.</extracomment>
        <translation>?</translation>
    </message>
    <message>
        <source>Show Result</source>
        <extracomment>The roll button after the fourth throw: its next press shows the reading.</extracomment>
        <translation>ดู​ผล​ทำนาย</translation>
    </message>
    <message>
        <source>Roll Dice</source>
        <extracomment>The roll button after a back press: the same words, without an access key.</extracomment>
        <translation>ทอย​ลูกเต๋า</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Cubomancer is running. Close it, then choose Retry.</source>
        <extracomment>A message of the Windows setup program.</extracomment>
        <translation>Cubomancer กำลังทำงานอยู่ โปรดปิดโปรแกรม แล้วเลือก “ลองใหม่”</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>อาจ​มี​การ​อัปเดต​สำหรับ​ซอฟต์แวร์​นี้
คุณ​ต้องการ​ตรวจ​หา​การ​อัปเดต​หรือ​ไม่</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Cubomancer is a simple divining tool that helps you find solutions to your day-today problems.</source>
        <translation>Cubomancer เป็น​เครื่องมือ​เสี่ยงทาย​ง่าย ๆ ที่​ช่วย​ให้​คุณ​หา​ทางออก​ให้​ปัญหา​ใน​ชีวิต​ประจำ​วัน</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>โอกาส​ธุรกิจ​ที่​บ้าน: หา​รายได้​ออนไลน์​ด้วย​ซอฟต์แวร์​นี้​ใน​แบรนด์​เว็บ​ไซต์​ของ​คุณ​เอง</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>คลิก​เพื่อ​ดู​รายละเอียด</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the maker&apos;s home-page address, shown in full.</extracomment>
        <translation>คลิก​เพื่อ​เยี่ยม​ชม %1</translation>
    </message>
</context>
<context>
    <name>frmFarewell</name>
    <message>
        <source>Click Here To Visit Omenhall Now</source>
        <translation>คลิก​ที่​นี่​เพื่อ​เยี่ยม​ชม Omenhall เลย</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>แนะนำ​ให้​เพื่อน</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>แนะนำ​ให้​เพื่อน​เลย(&amp;N)</translation>
    </message>
    <message>
        <source>Download Augury Softwares</source>
        <translation>ดาวน์โหลด Augury Softwares</translation>
    </message>
    <message>
        <source>Click Here To Visit Augury Softwares</source>
        <translation>เยี่ยมชม Augury Softwares</translation>
    </message>
    <message>
        <source>Augury Softwares, such as this can be created and maintained only with your support. The best way to support Omenhall is to visit Omenhall regularly and take part in the discussions and other activities on the board.</source>
        <extracomment>Omenhall is the maker&apos;s forum and Augury Softwares its family of programs: names that stay as they are. One of four messages, each in at most four lines of the farewell screen.</extracomment>
        <translation>โปรแกรม​ของ Augury Softwares อย่าง​โปรแกรม​นี้​สร้าง​และ​ดูแล​ต่อ​ไป​ได้​ด้วย​การ​สนับสนุน​จาก​คุณ​เท่านั้น วิธี​สนับสนุน Omenhall ที่​ดี​ที่สุด​คือ​แวะ​มา​ที่ Omenhall เป็น​ประจำ และ​ร่วม​สนทนา​และ​กิจกรรม​อื่น ๆ บน​กระดาน</translation>
    </message>
    <message>
        <source>Visit Omenhall regularly. Support Omenhall by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Omenhall</source>
        <translation>แวะ​มา​ที่ Omenhall เป็น​ประจำ สนับสนุน Omenhall ด้วย​การ​ร่วม​สนทนา​และ​กิจกรรม​อื่น ๆ หาก​ไม่​มี​คุณ​แวะ​มา​ที่ Omenhall เป็น​ประจำ ซอฟต์แวร์​เหล่า​นี้​ก็​ไม่​อาจ​ได้​รับ​การ​สนับสนุน​และ​ดูแล​ต่อ​ไป​ได้</translation>
    </message>
    <message>
        <source>Omenhall is a FREE online discussion forum for all things mystic. To help Omenhall develop and maintain this software visit Omenhall regularly.</source>
        <translation>Omenhall เป็น​กระดาน​สนทนา​ออนไลน์​ที่​ใช้​ได้​ฟรี​สำหรับ​ทุก​เรื่อง​ลี้ลับ โปรด​แวะ​มา​ที่ Omenhall เป็น​ประจำ เพื่อ​ช่วย​ให้ Omenhall พัฒนา​และ​ดูแล​ซอฟต์แวร์​นี้​ต่อ​ไป</translation>
    </message>
    <message>
        <source>Omenhall needs your help. All you need to do is visit Omenhall regularly and take part in the various discussions and activites to help us maintain and develop more Augury Softwares.</source>
        <translation>Omenhall ต้องการ​ความ​ช่วยเหลือ​จาก​คุณ เพียง​แวะ​มา​ที่ Omenhall เป็น​ประจำ​และ​ร่วม​สนทนา​และ​กิจกรรม​ต่าง ๆ ก็​ช่วย​ให้​เรา​ดูแล​และ​พัฒนา​โปรแกรม​ของ Augury Softwares ได้​มาก​ขึ้น</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Augury Softwares. From a single software, we have now grown to become the world’s largest resource of augury softwares. Be it astrology, psychic, tarot, numerology or occult, we have programs in all fields thus giving our users a wide choice depending on their interests.</source>
        <extracomment>The first of two paragraphs in the farewell screen&apos;s right-hand column.</extracomment>
        <translation>หาก​คุณ​ชอบ​ซอฟต์แวร์​นี้ คุณ​ต้อง​สนใจ​โปรแกรม​อื่น ๆ ของ Augury Softwares แน่นอน จาก​ซอฟต์แวร์​เพียง​ตัว​เดียว วัน​นี้​เรา​ได้​กลาย​เป็น​แหล่ง​รวม​ซอฟต์แวร์​พยากรณ์​ที่​ใหญ่​ที่สุด​ใน​โลก ไม่​ว่า​จะ​เป็น​โหราศาสตร์ พลังจิต ไพ่​ยิปซี เลข​ศาสตร์ หรือ​ศาสตร์​ลี้ลับ เรา​มี​โปรแกรม​ครบ​ทุก​ด้าน​ให้​ผู้​ใช้​เลือก​ตาม​ความ​สนใจ</translation>
    </message>
    <message>
        <source>All the programs in the Augury Softwares suite are simple and easy to use. They are not only fun to use but also very informative. Try them out today and share your experience with your friends and family. </source>
        <translation>โปรแกรม​ทุก​ตัว​ของ Augury Softwares เรียบ​ง่าย​และ​ใช้งาน​ง่าย ทั้ง​สนุก​และ​ให้​ความ​รู้ ลอง​ใช้​วัน​นี้ แล้ว​แบ่งปัน​ประสบการณ์​กับ​เพื่อน​และ​ครอบครัว​ของ​คุณ</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>ที่​อยู่​อีเมล​ต้อง​ไม่​มี​ช่องว่าง</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Board. Best Resource For Everything Mystic. Visit Omenhall Now</source>
        <translation>กระดาน​สนทนา​เรื่อง​ลี้ลับ​ออนไลน์​ยอด​นิยม​ที่สุด แหล่ง​รวม​ทุก​เรื่อง​ลี้ลับ แวะ​ชม Omenhall เลย</translation>
    </message>
    <message>
        <source>Roll the Dice</source>
        <translation>ทอย​ลูกเต๋า</translation>
    </message>
    <message>
        <source>Think of the problem on hand and meditate. Open your eyes and click on Roll the Dice</source>
        <translation>นึก​ถึง​ปัญหา​ที่​มี​อยู่​แล้ว​ทำ​สมาธิ จาก​นั้น​ลืม​ตา​แล้ว​คลิก “ทอย​ลูกเต๋า”</translation>
    </message>
    <message>
        <source>Cubomancer Result</source>
        <translation>ผล​ทำนาย​ของ Cubomancer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>กลับ(&amp;B)</translation>
    </message>
    <message>
        <source>Offers</source>
        <translation>ข้อ​เสนอ</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>โอกาส​ทำ​ธุรกิจ​ที่​บ้าน เริ่ม​ธุรกิจ​ออนไลน์​ของ​คุณ​เอง​และ​สร้าง​รายได้ โดย​ใส่​แบรนด์​เว็บ​ไซต์​ของ​คุณ​ลง​ใน​ซอฟต์แวร์​นี้​ได้​เต็ม​รูปแบบ คลิก​ที่​นี่​เพื่อ​ดู​รายละเอียด</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>ร่วม​แบรนด์​ซอฟต์แวร์​นี้​กับ​เว็บ​ไซต์​ของ​คุณ เพิ่ม​ผู้​ติดตาม​และ​ผู้​เข้า​ชม​เว็บ​ไซต์ ใส่​ชื่อ​และ​ลิงก์​ของ​เว็บ​ไซต์​คุณ​ไว้​ที่​นี่ ดู​รายละเอียด​ใน “วิธี​ใช้” คลิก​ที่​นี่​เพื่อ​ดู​ข้อมูล​เรื่อง​การ​ร่วม​แบรนด์</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ไฟล์(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>วิธี​ใช้(&amp;H)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>ออก(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>วิธี​ใช้​ออนไลน์(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>เยี่ยม​ชม​เว็บ​ไซต์​ของ​เรา(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>ตรวจ​หา​การ​อัปเดต​ซอฟต์แวร์(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>เกี่ยว​กับ​โปรแกรม(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>บริจาค(&amp;D)</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>หา​รายได้​ออนไลน์(&amp;O)</translation>
    </message>
    <message>
        <source>Die, not thrown yet</source>
        <translation>ลูกเต๋า ยัง​ไม่​ได้​ทอย</translation>
    </message>
    <message>
        <source>Die shows %1</source>
        <translation>ลูกเต๋า​ออก​แต้ม %1</translation>
    </message>
</context>
<context>
    <name>frmStartup</name>
    <message>
        <source>Application is already running</source>
        <translation>โปรแกรม​กำลัง​ทำงาน​อยู่​แล้ว</translation>
    </message>
</context>
<context>
    <name>modTellAFriend</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>โปรด​ป้อน​ที่​อยู่​อีเมล​ของ​คุณ​และ​ของ​เพื่อน​ที่​ไม่​ซ้ำ​กัน</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>โปรด​ป้อน​ที่​อยู่​อีเมล​ที่​ถูกต้อง</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>โปรด​ป้อน​ชื่อ​ของ​คุณ</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>โปรด​ป้อน​ที่​อยู่​อีเมล​ของ​คุณ</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>โปรด​ป้อน​ข้อความ​ของ​คุณ</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>โปรด​ป้อน​ชื่อ​เพื่อน​ของ​คุณ</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>โปรด​ป้อน​ที่​อยู่​อีเมล​ของ​เพื่อน​คุณ</translation>
    </message>
</context>
</TS>
