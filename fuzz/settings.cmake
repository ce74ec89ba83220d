skyrun_fuzz(settings glsettings)
