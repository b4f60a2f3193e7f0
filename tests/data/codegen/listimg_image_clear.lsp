;; InitSection
    (setq _x_ (dimx_tile "img2"))
    (setq _y_ (dimy_tile "img2"))
    (start_Image "img2")
    (slide_image 0 0 _x_ _y_  "C:/slides/missing.sld")
    (end_image)
;; SetSection
;; GetSection
;; FunctionSection
