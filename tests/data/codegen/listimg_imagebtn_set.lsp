;; InitSection
    (action_tile "b\"1" "(OnPick)")
    (setq _x_ (dimx_tile "b\"1"))
    (setq _y_ (dimy_tile "b\"1"))
    (start_Image "b\"1")
    (slide_image 0 0 _x_ _y_  "@DIR@/clock.sld")
    (end_image)
;; SetSection
;; GetSection
;; FunctionSection
(defun OnPick()  ;Start of OnPick()
);End of OnPick()
