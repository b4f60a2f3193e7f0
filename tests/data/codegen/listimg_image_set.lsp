;; InitSection
    (action_tile "preview" "(OnPreview)")
    (setq _x_ (dimx_tile "preview"))
    (setq _y_ (dimy_tile "preview"))
    (start_Image "preview")
    (slide_image 0 0 _x_ _y_  "@DIR@/three.slb(NORTH)")
    (end_image)
;; SetSection
;; GetSection
;; FunctionSection
(defun OnPreview()  ;Start of OnPreview()
   (princ "x")
);End of OnPreview()
