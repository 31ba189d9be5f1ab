<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn">
<context>
    <name>Counter</name>
    <message>
        <source>Tick on each count</source>
        <translation>প্রতিটি গণনায় টিক</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>গণনা চলছে</translation>
    </message>
    <message>
        <source>Your choice could not be saved: %1.</source>
        <translation>আপনার পছন্দ সংরক্ষণ করা যায়নি: %1।</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>ডায়ালগ</translation>
    </message>
    <message>
        <source>You can also use key A to decrease, key L to increase</source>
        <translation>কমাতে A কী, আর বাড়াতে L কী-ও ব্যবহার করতে পারেন</translation>
    </message>
    <message>
        <source>Count up</source>
        <translation>গণনা বাড়ান</translation>
    </message>
    <message>
        <source>Adds one to the count</source>
        <translation>গণনায় এক যোগ করে</translation>
    </message>
    <message>
        <source>Count down</source>
        <translation>গণনা কমান</translation>
    </message>
    <message>
        <source>Takes one from the count</source>
        <translation>গণনা থেকে এক বাদ দেয়</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>গণনা</translation>
    </message>
    <message>
        <source>How often the phrase has been said</source>
        <translation>জিকিরটি কতবার পড়া হয়েছে</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>শূন্য করুন</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ফিরে যান</translation>
    </message>
    <message>
        <source>Count reset from %1</source>
        <translation>গণনা %1 থেকে শূন্য করা হয়েছে</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2-এর মধ্যে %1</translation>
    </message>
    <message>
        <source>Next: %1</source>
        <translation>পরের: %1</translation>
    </message>
    <message>
        <source>%1 of %2: target reached</source>
        <translation>%2-এর মধ্যে %1: লক্ষ্য পূর্ণ হয়েছে</translation>
    </message>
    <message>
        <source>%1 of %2 · %3 today</source>
        <translation>%2-এর মধ্যে %1 · আজ %3</translation>
    </message>
    <message>
        <source>%1 of %2: target reached · %3 today</source>
        <translation>%2-এর মধ্যে %1: লক্ষ্য পূর্ণ হয়েছে · আজ %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Enter varizez</source>
        <translation>জিকির লিখুন</translation>
    </message>
    <message>
        <source>About Varizez</source>
        <translation>Varizez পরিচিতি</translation>
    </message>
    <message>
        <source>Varizez %1</source>
        <translation>Varizez %1</translation>
    </message>
    <message>
        <source>Counts repetitions of devotional phrases, the way prayer beads are used.</source>
        <translation>তসবিহর মতো করে দোয়া ও জিকিরের পুনরাবৃত্তি গণনা করে।</translation>
    </message>
    <message>
        <source>This program is free software: you can share and change it under the terms of the GNU General Public License, version 3 or any later version (GPL-3.0-or-later). It comes with NO WARRANTY, to the extent permitted by law.</source>
        <translation>এটি মুক্ত সফটওয়্যার: গনু জেনারেল পাবলিক লাইসেন্স, সংস্করণ ৩ বা পরবর্তী যেকোনো সংস্করণের (GPL-3.0-or-later) শর্ত মেনে আপনি এটি বিতরণ ও পরিবর্তন করতে পারেন। আইন যতটা অনুমতি দেয়, এর কোনো ওয়ারেন্টি নেই।</translation>
    </message>
    <message>
        <source>Source code: %1</source>
        <translation>সোর্স কোড: %1</translation>
    </message>
    <message>
        <source>Varizez</source>
        <translation>Varizez</translation>
    </message>
    <message>
        <source>Click on a dua below, and then on Start</source>
        <translation>নিচের একটি দোয়ায় ক্লিক করুন, তারপর «শুরু»-তে</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>যোগ</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>শুরু</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>প্রস্থান</translation>
    </message>
    <message>
        <source>More Apps!</source>
        <translation>আরও অ্যাপ!</translation>
    </message>
    <message>
        <source>About</source>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>Phrases</source>
        <translation>জিকির</translation>
    </message>
    <message>
        <source>The phrases you count</source>
        <translation>যে জিকিরগুলো আপনি গণনা করেন</translation>
    </message>
    <message>
        <source>Your phrases could not be read from %1: %2. The file is left as it is, and nothing will be saved in it.</source>
        <translation>%1 থেকে আপনার দোয়াগুলো পড়া যায়নি: %2। ফাইলটি যেমন ছিল তেমনই রাখা হয়েছে, এবং এতে কিছুই সংরক্ষণ করা হবে না।</translation>
    </message>
    <message>
        <source>Your counts could not be saved in %1: %2.</source>
        <translation>আপনার গণনা %1-এ সংরক্ষণ করা যায়নি: %2।</translation>
    </message>
    <message>
        <source>%1 was damaged, so phrases or counts may be missing. The damaged file is kept as %2.</source>
        <translation>%1 ক্ষতিগ্রস্ত ছিল, তাই কিছু দোয়া বা গণনা হারিয়ে থাকতে পারে। ক্ষতিগ্রস্ত ফাইলটি %2 নামে রাখা হয়েছে।</translation>
    </message>
    <message>
        <source>Your counts cannot be shared: %1 is not there. They are kept here and will be shared when it is back.</source>
        <translation>আপনার গণনা শেয়ার করা যাচ্ছে না: %1 পাওয়া যাচ্ছে না। গণনা এখানেই সংরক্ষিত আছে এবং ফোল্ডারটি ফিরে এলে শেয়ার করা হবে।</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 is damaged.</source>
        <translation>%1 ডিভাইসের গণনা হারিয়ে থাকতে পারে: এর ফাইল %2 ক্ষতিগ্রস্ত।</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 was written by a newer Varizez.</source>
        <translation>%1 ডিভাইসের গণনা হারিয়ে থাকতে পারে: এর ফাইল %2 Varizez-এর নতুন কোনো সংস্করণে লেখা।</translation>
    </message>
    <message>
        <source>The counts of %1 may be missing: its file %2 could not be read (%3).</source>
        <translation>%1 ডিভাইসের গণনা হারিয়ে থাকতে পারে: এর ফাইল %2 পড়া যায়নি (%3)।</translation>
    </message>
    <message>
        <source>Removed “%1” (%2)</source>
        <translation>«%1» মুছে ফেলা হয়েছে (%2)</translation>
    </message>
    <message>
        <source>Your counts could not be shared in %1: %2. They are kept here and will be shared as soon as that works again.</source>
        <translation>আপনার গণনা %1-এ শেয়ার করা যায়নি: %2। গণনা এখানেই সংরক্ষিত আছে এবং সম্ভব হলেই শেয়ার করা হবে।</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>এটি সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>এটি %1 MiB-এর চেয়ে বড়</translation>
    </message>
    <message>
        <source>The days in %1 are damaged, so what was said on each day is left out. Your counts are not affected.</source>
        <translation>%1-এর দিনগুলো ক্ষতিগ্রস্ত, তাই প্রতিদিন যা বলা হয়েছে তা বাদ দেওয়া হয়েছে। আপনার গণনা প্রভাবিত হয়নি।</translation>
    </message>
    <message>
        <source>What was said on each day could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>প্রতিদিন যা বলা হয়েছে তা %1-এ পড়া বা সংরক্ষণ করা যায়নি: %2। আপনার গণনা প্রভাবিত হয়নি।</translation>
    </message>
    <message>
        <source>The targets in %1 are damaged, so they are left out. Your counts are not affected.</source>
        <translation>%1-এ লক্ষ্যগুলো ক্ষতিগ্রস্ত, তাই সেগুলো বাদ দেওয়া হয়েছে। আপনার গণনায় কোনো প্রভাব পড়েনি।</translation>
    </message>
    <message>
        <source>Your targets could not be read or saved in %1: %2. Your counts are not affected.</source>
        <translation>আপনার লক্ষ্যগুলো %1-এ পড়া বা সংরক্ষণ করা যায়নি: %2। আপনার গণনায় কোনো প্রভাব পড়েনি।</translation>
    </message>
    <message>
        <source>No target</source>
        <translation>কোনো লক্ষ্য নেই</translation>
    </message>
    <message>
        <source>Count “%1” to:</source>
        <translation>“%1” কত পর্যন্ত গুনবেন:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>লক্ষ্য</translation>
    </message>
    <message>
        <source>A target is a whole number from 1 to %1.</source>
        <translation>লক্ষ্য হলো 1 থেকে %1 পর্যন্ত একটি পূর্ণ সংখ্যা।</translation>
    </message>
    <message>
        <source>Target…</source>
        <translation>লক্ষ্য…</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>ইতিহাস…</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ইতিহাস</translation>
    </message>
    <message>
        <source>All phrases</source>
        <translation>সব বাক্য</translation>
    </message>
    <message>
        <source>The last 7 days</source>
        <translation>শেষ ৭ দিন</translation>
    </message>
    <message>
        <source>The last 30 days</source>
        <translation>শেষ ৩০ দিন</translation>
    </message>
    <message>
        <source>The last year</source>
        <translation>শেষ এক বছর</translation>
    </message>
    <message>
        <source>Today: %1</source>
        <translation>আজ: %1</translation>
    </message>
    <message>
        <source>Best day: none yet</source>
        <translation>সেরা দিন: এখনও নেই</translation>
    </message>
    <message>
        <source>Best day: %1, on %2</source>
        <translation>সেরা দিন: %1, %2 তারিখে</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>মোট: %1</translation>
    </message>
    <message>
        <source>Total: %1, since %2</source>
        <translation>মোট: %1, %2 থেকে</translation>
    </message>
    <message>
        <source>Days in a row with the target reached: %1</source>
        <translation>টানা যত দিন লক্ষ্য পূর্ণ হয়েছে: %1</translation>
    </message>
    <message>
        <source>Days in a row with a count: %1</source>
        <translation>টানা যত দিন গণনা হয়েছে: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing said on these days</source>
        <translation>এই দিনগুলোতে কিছু বলা হয়নি</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>ব্যবহার: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[অপশন]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>অপশন:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>কমান্ড লাইন অপশনের সহায়তা দেখায়।</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-এর নিজস্ব অপশনসহ সহায়তা দেখায়।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>সংস্করণের তথ্য দেখায়।</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; where the language is written from right to left, else &quot;LTR&quot;.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
</context>
<context>
    <name>UndoOffer</name>
    <message>
        <source>Undo</source>
        <translation>পূর্বাবস্থায় ফেরান</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Varizez counts repetitions of devotional phrases (duas), the way prayer beads are used. Keep a list of phrases, pick one, press Start and count with the big + and - buttons or the keys L (up) and A (down). Every count is saved the moment it changes.

The phrases and counts are kept in one file: /home/user/varizezCount.bin when /home/user is a folder you can write (the handheld the program was made for); otherwise varizez/varizezCount.bin in $XDG_DATA_HOME, or in ~/.local/share when XDG_DATA_HOME is not set. &quot;varizez-file path&quot; prints the one in use, and varizez-file backs it up and restores it (see varizez-file --help).

Only one copy runs in a desktop session: starting it again brings the running one to the front. Qt&apos;s own options, such as -platform and -style, are listed by --help-all; any other arguments are ignored.</source>
        <translation>Varizez তসবিহর মতো করে দোয়া ও জিকিরের পুনরাবৃত্তি গণনা করে। জিকিরের একটি তালিকা রাখুন, একটি বেছে নিন, «শুরু» চাপুন এবং বড় + ও - বোতাম অথবা L (বাড়াতে) ও A (কমাতে) কী দিয়ে গণনা করুন। প্রতিটি গণনা বদলানোর সঙ্গে সঙ্গে সংরক্ষিত হয়।

জিকির ও তার গণনা একটি ফাইলে রাখা হয়: /home/user যদি এমন ফোল্ডার হয় যেখানে আপনি লিখতে পারেন (যে হ্যান্ডহেল্ডের জন্য প্রোগ্রামটি তৈরি), তবে /home/user/varizezCount.bin; নইলে $XDG_DATA_HOME-এ, অথবা XDG_DATA_HOME নির্ধারিত না থাকলে ~/.local/share-এ varizez/varizezCount.bin। &quot;varizez-file path&quot; ব্যবহৃত ফাইলটি দেখায়, আর varizez-file এর ব্যাকআপ নেয় ও পুনরুদ্ধার করে (দেখুন varizez-file --help)।

একটি ডেস্কটপ সেশনে কেবল একটি কপি চলে: আবার চালু করলে চলমান কপিটি সামনে আসে। Qt-এর নিজস্ব অপশন, যেমন -platform ও -style, --help-all তালিকাভুক্ত করে; অন্য যেকোনো আর্গুমেন্ট উপেক্ষা করা হয়।</translation>
    </message>
</context>
</TS>
