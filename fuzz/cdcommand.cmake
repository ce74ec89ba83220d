skyrun_fuzz(cdcommand skycommon)
