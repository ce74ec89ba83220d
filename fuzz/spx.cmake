skyrun_fuzz(spx azsprites)
