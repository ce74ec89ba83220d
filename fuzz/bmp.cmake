skyrun_fuzz(bmp azsprites)
