skyrun_fuzz(background azsprites)
