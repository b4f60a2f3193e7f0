;; InitSection
    (action_tile "size" "(OnSize)")
;; SetSection
    (if size_var (set_tile "size" (rtos size_var 2 0)))
;; GetSection
    (setq size_var (atof (get_tile "size" )))
;; FunctionSection
(defun OnSize()  ;Start of OnSize()
   (princ size_var)
   (setq done T)
);End of OnSize()
