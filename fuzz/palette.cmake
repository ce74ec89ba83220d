skyrun_fuzz(palette azsprites)
