skyrun_fuzz(alphabet azsprites)
