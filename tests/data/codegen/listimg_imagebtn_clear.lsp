;; InitSection
    (setq _x_ (dimx_tile "b2"))
    (setq _y_ (dimy_tile "b2"))
    (start_Image "b2")
    (slide_image 0 0 _x_ _y_  "")
    (end_image)
;; SetSection
;; GetSection
;; FunctionSection
