;; InitSection
    (action_tile "e\"1" "(OnName)")
;; SetSection
    (if name_var (set_tile "e\"1" name_var))
;; GetSection
    (setq name_var (get_tile "e\"1" ))
;; FunctionSection
(defun OnName()  ;Start of OnName()
   (princ)
   (setq a 1)
);End of OnName()
