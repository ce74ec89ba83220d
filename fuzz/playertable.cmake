# cardwright's login reader of highscore.txt (common/, plain C++).
skyrun_fuzz(playertable skycommon)
