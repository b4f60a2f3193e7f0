;; InitSection
    (action_tile "c\"1" "(OnColour)")
;; SetSection
    (if colour_var (set_tile "c\"1" (rtos colour_var 2 0)))
;; GetSection
    (setq colour_var (atof (get_tile "c\"1" )))
;; FunctionSection
(defun OnColour()  ;Start of OnColour()
   (princ colour_var)
);End of OnColour()
